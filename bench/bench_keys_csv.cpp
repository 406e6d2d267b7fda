// Import of a table naming all 250 keys, every value changed, into a loaded
// configuration: parsing, judging, the code comparison and the apply.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "files/keys_csv.h"
#include "model/codec.h"

namespace {

using namespace kestrin;

std::string AllKeysTable() {
  T_Command_DEVICE m;
  m.SetDefaults();
  for (int k = 1; k <= kKeyCount; ++k) {
    m.SetKeyName(k, Utf8ToCp1251("Польз") + std::to_string(k));
    m.SetKeyMode(k, k % 3);
    m.SetKeyCode(k, "00A1B2C3" + std::to_string(1000 + k));
    m.SetKeyPartitions(k, static_cast<PartitionSet>(0x1FE));
  }
  return ExportKeysCsv(m, true);
}

double Fastest(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

void BM_ImportAllKeys(benchmark::State& state) {
  const std::string table = AllKeysTable();
  T_Command_DEVICE fresh;
  fresh.SetDefaults();
  for (auto _ : state) {
    state.PauseTiming();
    T_Command_DEVICE model = fresh;
    state.ResumeTiming();
    KeysCsvImport r = ImportKeysCsv(table, model);
    if (r.changedKeys.size() != static_cast<size_t>(kKeyCount)) state.SkipWithError("import refused");
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_ImportAllKeys)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);

void BM_ExportAllKeys(benchmark::State& state) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetKeyName(1, "x");
  for (auto _ : state) benchmark::DoNotOptimize(ExportKeysCsv(m, true));
}
BENCHMARK(BM_ExportAllKeys)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);

}  // namespace

BENCHMARK_MAIN();
