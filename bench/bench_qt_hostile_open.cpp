// The window opening the worst files within the size cap, from start to
// shown (config.ini of the working folder, as at start-up), and the printed
// report of a configuration with one 16 MB loop name. Each case runs in a
// child process forked before any Qt object exists: the time is the work
// alone, peak_MiB the child's peak resident set (getrusage ru_maxrss).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "editor/tform2.h"
#include "model/reader.h"
#include "report/pdf/report_pdf.h"
#include "support/child_case.h"

namespace {

using namespace kestrin;

constexpr size_t kCap = 16u * 1024u * 1024u - 16u;

std::string Repeat(char c, size_t n) { return std::string(n, c); }

void OpenInWindowWith(const std::string& bytes, std::vector<std::string> args) {
  int argc = 1;
  char name[] = "bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  QTemporaryDir dir;
  QFile f(dir.filePath(QStringLiteral("config.ini")));
  if (!f.open(QIODevice::WriteOnly)) std::abort();
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  f.close();
  TForm2Options options;
  options.args = std::move(args);
  options.workFolder = dir.path().toStdString();
  options.programFolder = (dir.path() + QLatin1Char('/')).toStdString();
  options.settings = std::make_shared<SettingsStore>(dir.filePath(QStringLiteral("settings.ini")));
  TForm2 window(options);
  window.show();
  window.repaint();
  QApplication::processEvents();
  benchmark::DoNotOptimize(window.windowTitle());
}

void OpenInWindow(const std::string& bytes) { OpenInWindowWith(bytes, {}); }
// "-debug" shows the text tab, whose memo holds every line of the file.
void OpenInWindowDebug(const std::string& bytes) { OpenInWindowWith(bytes, {"-debug"}); }

void PrintReport(const std::string& bytes) {
  int argc = 1;
  char name[] = "bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  T_Command_DEVICE model;
  LoadConfigText(bytes, model);
  benchmark::DoNotOptimize(ReportPdfBytes(model, QStringLiteral("10.12.2026")));
}



void BM_WindowOpensLineFeedsOnly(benchmark::State& state) {
  bench::RunChildCase(state, [] { return Repeat('\n', kCap); }, OpenInWindow);
}
void BM_WindowDebugOpensLineFeedsOnly(benchmark::State& state) {
  bench::RunChildCase(state, [] { return Repeat('\n', kCap); }, OpenInWindowDebug);
}
void BM_WindowOpensCarriageReturnsOnly(benchmark::State& state) {
  bench::RunChildCase(state, [] { return Repeat('\r', kCap); }, OpenInWindow);
}
void BM_WindowOpensHugeLoopName(benchmark::State& state) {
  bench::RunChildCase(state, [] { return bench::Framed("la1-", "A", kCap - 6, "\r\n"); }, OpenInWindow);
}
void BM_WindowOpensSmallFile(benchmark::State& state) {
  // The yardstick: the same start with a one-line file.
  bench::RunChildCase(state, [] { return std::string("st-120\r\n"); }, OpenInWindow);
}
void BM_ReportHugeLoopName(benchmark::State& state) {
  bench::RunChildCase(state, [] { return bench::Framed("la1-", "A", 16000000, "\r\n"); }, PrintReport);
}

BENCHMARK(BM_WindowOpensSmallFile)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowOpensLineFeedsOnly)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowOpensCarriageReturnsOnly)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowOpensHugeLoopName)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowDebugOpensLineFeedsOnly)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportHugeLoopName)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
