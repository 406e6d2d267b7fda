// The printed report of a full configuration (250 keys) as an A4 PDF.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "model/codec.h"
#include "report/qt/report_printer.h"

namespace {

kestrin::T_Command_DEVICE FullModel() {
  kestrin::T_Command_DEVICE m;
  m.SetDefaults();
  const int loopTypes[] = {1, 16, 3, 4, 5, 8, 14, 15};
  for (int loop = 1; loop <= kestrin::kLoopCount; ++loop) {
    m.SetLoopType(loop, loopTypes[loop - 1]);
    m.SetLoopName(loop, kestrin::Utf8ToCp1251("Шлейф") + std::to_string(loop));
  }
  for (int key = 1; key <= kestrin::kKeyCount; ++key) {
    m.SetKeyMode(key, key % 3);
    m.SetKeyName(key, kestrin::Utf8ToCp1251("Ключ") + std::to_string(key));
    m.SetKeyCode(key, "0123456789AB");
    m.SetKeyPartitions(key, static_cast<kestrin::PartitionSet>((key % 255 + 1) << 1));
  }
  return m;
}

void BM_ReportPdfFullConfiguration(benchmark::State& state) {
  kestrin::T_Command_DEVICE model = FullModel();
  size_t bytes = 0;
  for (auto _ : state) {
    QByteArray pdf = kestrin::ReportPdfBytes(model, QStringLiteral("09.12.2026"));
    bytes = static_cast<size_t>(pdf.size());
    benchmark::DoNotOptimize(pdf.data());
  }
  state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ReportPdfFullConfiguration)->Unit(benchmark::kMillisecond);

}  // namespace
