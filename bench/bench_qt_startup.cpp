// Start-up of the main window to shown with the default configuration (no
// start-up file), offscreen: FormCreate, the companion windows, FormShow and
// the first paint. Target: at most 300 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "gui/widgets/hints.h"
#include "editor/tform2.h"

namespace {

QTemporaryDir* g_dir = nullptr;

kestrin::TForm2Options Options(bool withFile) {
  kestrin::TForm2Options options;
  QString folder = g_dir->filePath(withFile ? QStringLiteral("file") : QStringLiteral("empty"));
  options.workFolder = folder.toStdString();
  options.programFolder = (g_dir->path() + QLatin1Char('/')).toStdString();
  options.settings =
      std::make_shared<kestrin::SettingsStore>(g_dir->filePath(QStringLiteral("settings.ini")));
  return options;
}

void StartOnce(bool withFile) {
  kestrin::TForm2 window(Options(withFile));
  window.show();
  window.repaint();
  QApplication::processEvents();
  benchmark::DoNotOptimize(window.windowTitle());
}

void BM_StartupDefault(benchmark::State& state) {
  for (auto _ : state) StartOnce(false);
}
BENCHMARK(BM_StartupDefault)->Unit(benchmark::kMillisecond);

// The same with a full config.ini in the working folder.
void BM_StartupWithConfigIni(benchmark::State& state) {
  for (auto _ : state) StartOnce(true);
}
BENCHMARK(BM_StartupWithConfigIni)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QElapsedTimer cold;
  cold.start();
  QApplication app(argc, argv);
  QTemporaryDir dir;
  g_dir = &dir;
  QDir(dir.path()).mkpath(QStringLiteral("empty"));
  QDir(dir.path()).mkpath(QStringLiteral("file"));
  QFile::copy(QStringLiteral(KESTRIN_FIXTURES "/language/realistic_office_roundtrip.in"),
              dir.filePath(QStringLiteral("file/config.ini")));
  kestrin::InstallHintTiming();
  // The very first start pays for fonts, styles and plugins: shown apart.
  StartOnce(false);
  std::printf("cold start (application + first window shown): %.1f ms\n",
              static_cast<double>(cold.nsecsElapsed()) / 1e6);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
