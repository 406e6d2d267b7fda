// The worst inputs within the size caps, each read as kestrin-cfg reads it:
// the whole file through the text buffer, the reader and the writer
// (normalize), and the keys table through the import. Every case runs in a
// child process: the time is the work alone, peak_MiB the child's peak
// resident set (getrusage ru_maxrss), input_MiB the input's own size.
// Bound: peak within about 50 MiB of the input, about a second.
#include <benchmark/benchmark.h>

#include <string>

#include "files/keys_csv.h"
#include "model/reader.h"
#include "model/text_buffer.h"
#include "model/writer.h"
#include "support/child_case.h"

namespace {

using namespace kestrin;

constexpr size_t kCap = 16u * 1024u * 1024u;

std::string Repeat(std::string_view unit, size_t total) {
  std::string s;
  s.reserve(total);
  while (s.size() + unit.size() <= total) s.append(unit);
  return s;
}

void Normalize(const std::string& bytes) {
  TextBuffer buffer;
  buffer.SetBytes(bytes);
  T_Command_DEVICE model;
  LoadConfigText(buffer.TakeText(), model);  // as kestrin-cfg does
  benchmark::DoNotOptimize(WriteConfigTextCrLf(model));
}

void ImportKeys(const std::string& bytes) {
  T_Command_DEVICE model;
  model.SetDefaults();
  benchmark::DoNotOptimize(ImportKeysCsv(bytes, model));
}


template <typename Make, typename Work>
void RunCase(benchmark::State& state, Make make, Work work) {
  bench::RunChildCase(state, make, work);
  state.counters["input_MiB"] = static_cast<double>(kCap) / (1024.0 * 1024.0);
}

void BM_NormalizeLineFeedsOnly(benchmark::State& state) {
  RunCase(state, [] { return Repeat("\n", kCap); }, Normalize);
}
void BM_NormalizeCarriageReturnsOnly(benchmark::State& state) {
  RunCase(state, [] { return Repeat("\r", kCap); }, Normalize);
}
void BM_NormalizeOneHugeLine(benchmark::State& state) {
  RunCase(state, [] { return Repeat("x", kCap); }, Normalize);
}
void BM_NormalizeHugeLoopName(benchmark::State& state) {
  RunCase(state, [] { return bench::Framed("la1-", "A", kCap - 6, "\r\n"); }, Normalize);
}
void BM_ImportCsvOfEmptyLines(benchmark::State& state) {
  // A header first: without one the import stops at the first row.
  RunCase(state, [] { return bench::Framed("№;Пользователь\r\n", "\r\n", kCap - 32, ""); }, ImportKeys);
}
void BM_ImportCsvOfBadRows(benchmark::State& state) {
  // A header, then a row that fails on every line.
  RunCase(state, [] { return bench::Framed("№;Пользователь\r\n", "x;y\r\n", kCap - 32, ""); }, ImportKeys);
}

BENCHMARK(BM_NormalizeLineFeedsOnly)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NormalizeCarriageReturnsOnly)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NormalizeOneHugeLine)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NormalizeHugeLoopName)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportCsvOfEmptyLines)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportCsvOfBadRows)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
