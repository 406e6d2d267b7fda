// Read + write of a configuration: the default text and a full realistic one
// (all loops, relays and 250 keys set).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "model/codec.h"
#include "model/reader.h"
#include "model/writer.h"

namespace {

using namespace kestrin;

std::string FullText() {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetFileKey(Utf8ToCp1251("Склад №3/Охрана-2024"));
  const int loopTypes[8] = {1, 16, 2, 3, 6, 8, 14, 15};
  for (int l = 1; l <= 8; ++l) {
    m.SetLoopType(l, loopTypes[l - 1]);
    m.SetLoopDelay(l, 10 * l);
    m.SetLoopName(l, Utf8ToCp1251("Шлейф ") + std::to_string(l));
    m.SetLoopPartition(l, (l + 1) / 2);
  }
  for (int r = 1; r <= 4; ++r) {
    m.SetRelayType(r, r * 2);
    m.SetRelayTime(r, 30 * r);
    m.SetRelayPartitions(r, static_cast<PartitionSet>(0x1E));
  }
  for (int k = 1; k <= 250; ++k) {
    m.SetKeyName(k, Utf8ToCp1251("Польз") + std::to_string(k));
    m.SetKeyMode(k, k % 3);
    m.SetKeyCode(k, "00A1B2C3" + std::to_string(1000 + k));
    m.SetKeyPartitions(k, static_cast<PartitionSet>(0x1FE));
  }
  return WriteConfigTextCrLf(m);
}

void ReadWrite(benchmark::State& state, const std::string& text) {
  T_Command_DEVICE model;
  T_Command scratch;
  TLexPipe pipe;
  // The text as a save writes it (CR LF lines in one string).
  for (auto _ : state) {
    model.SetDefaults();
    pipe.SetText(text);
    ReadConfigText(scratch, pipe, model);
    std::string written = WriteConfigTextCrLf(model);
    benchmark::DoNotOptimize(written.data());
  }
}

void BM_ReadWriteDefault(benchmark::State& state) {
  T_Command_DEVICE m;
  m.SetDefaults();
  ReadWrite(state, WriteConfigTextCrLf(m));
}
// On a shared machine the slowest runs measure the neighbours; the fastest
// repetition is the figure that tracks the code (run with repetitions).
double Fastest(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

BENCHMARK(BM_ReadWriteDefault)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);

void BM_ReadWriteFull(benchmark::State& state) { ReadWrite(state, FullText()); }
BENCHMARK(BM_ReadWriteFull)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);

}  // namespace

BENCHMARK_MAIN();
