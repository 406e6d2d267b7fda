// Diff of two full configurations (all loops, relays and 250 keys set), once
// with every parameter differing and once with none.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "model/codec.h"
#include "model/config_diff.h"

namespace {

using namespace kestrin;

// variant 0 and 1 differ in every value the tabs show.
T_Command_DEVICE Full(int variant) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetFileKey(Utf8ToCp1251(variant ? "Склад №3/Охрана-2024" : "Склад №4/Охрана-2025"));
  m.SetOldFileKey(Utf8ToCp1251(variant ? "Старый-1" : "Старый-2"));
  m.SetPasswordCommand(variant ? "12345" : "54321");
  m.SetKeyDisarmMode(variant);
  m.SetEntryMessageEnabled(variant);
  m.SetArmWithoutGprs(variant);
  m.SetLogFileEnabled(variant);
  m.SetAccelSensitivity(2 + variant);
  m.SetBackupSignalMethod(variant);
  m.SetIndicatorTime(60 + variant);
  m.SetIndicatorPartition(2 + variant);
  m.SetBuzzerVolume(1 + variant);
  m.SetSirenTime(120 + variant);
  m.SetSirenPartitions(variant ? 0x0E : 0x32);
  const int loopTypes[2][8] = {{1, 16, 1, 16, 1, 16, 1, 16}, {16, 1, 16, 1, 16, 1, 16, 1}};
  for (int l = 1; l <= 8; ++l) {
    m.SetExitDelay(l, 30 + variant + l);
    m.SetLoopType(l, loopTypes[variant][l - 1]);
    m.SetLoopDelay(l, 10 * l + variant);
    m.SetLoopName(l, Utf8ToCp1251(variant ? "Шлейф " : "Зона ") + std::to_string(l));
    m.SetLoopPartition(l, variant ? (l + 1) / 2 : 9 - (l + 1) / 2);
  }
  m.SetAlarmRepeats(3 + variant);
  for (int r = 1; r <= 4; ++r) {
    m.SetRelayType(r, r * 2 + variant);
    m.SetRelayTime(r, 30 * r + variant);
    m.SetRelayPartitions(r, static_cast<PartitionSet>(variant ? 0x1E : 0xE0));
  }
  m.SetPanicRelayEnabled(variant);
  m.SetTamperRelayEnabled(variant);
  for (int k = 1; k <= 250; ++k) {
    m.SetKeyName(k, Utf8ToCp1251(variant ? "Польз" : "Юзер") + std::to_string(k));
    m.SetKeyMode(k, (k + variant) % 3);
    m.SetKeyCode(k, (variant ? "00A1B2C3" : "00D4E5F6") + std::to_string(1000 + k));
    m.SetKeyPartitions(k, static_cast<PartitionSet>(variant ? 0x1FE : 0x0AA));
  }
  return m;
}

// The fastest repetition tracks the code on a shared machine.
double Fastest(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

void BM_DiffAllDiffer(benchmark::State& state) {
  const T_Command_DEVICE a = Full(0);
  const T_Command_DEVICE b = Full(1);
  size_t lines = 0;
  for (auto _ : state) {
    std::vector<ConfigDifference> d = DiffConfigurations(a, b);
    lines = d.size();
    benchmark::DoNotOptimize(d.data());
  }
  state.counters["differences"] = static_cast<double>(lines);
}
BENCHMARK(BM_DiffAllDiffer)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);

void BM_DiffSame(benchmark::State& state) {
  const T_Command_DEVICE a = Full(1);
  const T_Command_DEVICE b = Full(1);
  for (auto _ : state) {
    std::vector<ConfigDifference> d = DiffConfigurations(a, b);
    benchmark::DoNotOptimize(d.data());
  }
}
BENCHMARK(BM_DiffSame)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);

}  // namespace

BENCHMARK_MAIN();
