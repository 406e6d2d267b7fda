// File list over a folder of 10,000 files, and the check rules over 1,000
// configuration files.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "files/container.h"
#include "files/file_bytes.h"
#include "files/file_list.h"
#include "files/workflow.h"
#include "model/reader.h"
#include "model/writer.h"
#include "report/checks.h"
#include "support/bench_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace kestrin;

using bench::BenchFolder;

const BenchFolder& Big() { return bench::TenThousandFiles("list"); }

void BM_ListOpen10000(benchmark::State& state) {
  T_Command_DEVICE scratch;
  FileList list(scratch);
  const std::string folder = Big().Str();  // made before timing starts
  for (auto _ : state) {
    list.Open(folder);
    benchmark::DoNotOptimize(list.Rows().size());
  }
  state.counters["rows"] = static_cast<double>(list.Rows().size());
}
BENCHMARK(BM_ListOpen10000)->Unit(benchmark::kMillisecond);

void BM_ListTick10000(benchmark::State& state) {
  T_Command_DEVICE scratch;
  FileList list(scratch);
  list.Open(Big().Str());
  // Plain files come first, so most ticks measured parse two full files.
  for (auto _ : state) {
    auto tested = list.Tick();
    if (tested.size() < 2) {
      state.PauseTiming();
      list.Open(Big().Str());
      state.ResumeTiming();
    }
    benchmark::DoNotOptimize(tested);
  }
}
BENCHMARK(BM_ListTick10000)->Unit(benchmark::kMicrosecond);

void BM_ListSort10000(benchmark::State& state) {
  T_Command_DEVICE scratch;
  FileList list(scratch);
  list.Open(Big().Str());
  for (auto _ : state) list.Sort(kListColumnFile);
}
BENCHMARK(BM_ListSort10000)->Unit(benchmark::kMillisecond);

// What kestrin-cfg check does per file: read, parse, complete keys, all rules.
void BM_Check1000Files(benchmark::State& state) {
  static BenchFolder folder(1000, 0, "check");
  const auto names = FindConfigFiles(folder.Str(), false);
  size_t violations = 0;
  for (auto _ : state) {
    violations = 0;
    for (const auto& name : names) {
      std::string bytes;
      ReadFileBytes(JoinListPath(folder.Str(), name), bytes);
      TextBuffer text;
      text.SetBytes(bytes);
      T_Command_DEVICE model;
      LoadConfigText(text.Text(), model);
      CompleteKeys(model, std::string());
      violations += ReportViolations(model).size();
    }
  }
  state.counters["files"] = static_cast<double>(names.size());
  state.counters["violations"] = static_cast<double>(violations);
}
BENCHMARK(BM_Check1000Files)->Unit(benchmark::kMillisecond);

// The rules alone over one full configuration with a key double at the end.
void BM_ReportViolations(benchmark::State& state) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetFileKey("k");
  m.SetKeyCode(249, "123412341234");
  m.SetKeyCode(250, "123412341234");
  for (auto _ : state) benchmark::DoNotOptimize(ReportViolations(m));
}
BENCHMARK(BM_ReportViolations)->Unit(benchmark::kMicrosecond);

// Worst case of the duplicate-code rule: 250 distinct real codes.
void BM_ReportViolationsAllCodes(benchmark::State& state) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetFileKey("k");
  for (int k = 1; k <= kKeyCount; ++k) {
    char code[16];
    std::snprintf(code, sizeof code, "%012d", 100000 + k);
    m.SetKeyCode(k, code);
  }
  for (auto _ : state) benchmark::DoNotOptimize(ReportViolations(m));
}
BENCHMARK(BM_ReportViolationsAllCodes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
