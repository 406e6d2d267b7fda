// The list widget over a folder of 10,000 files: open until painted, and one
// tick of the test timer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "files/container.h"
#include "files/qt/list_file_config.h"
#include "model/writer.h"
#include "support/bench_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace kestrin;

const bench::BenchFolder& Folder() { return bench::TenThousandFiles("qlist"); }

// From the click to the list painted on screen.
void BM_QtListOpen10000(benchmark::State& state) {
  T_Command_DEVICE scratch;
  ListFileConfigPanel panel(scratch);
  panel.resize(1200, 700);
  panel.show();
  const QString folder = QString::fromStdString(Folder().Str());  // made before timing starts
  QApplication::processEvents();
  for (auto _ : state) {
    panel.Open(folder);
    panel.repaint();
    panel.List()->viewport()->repaint();
    QApplication::processEvents();
  }
  state.counters["rows"] = panel.List()->model()->rowCount();
}
BENCHMARK(BM_QtListOpen10000)->Unit(benchmark::kMillisecond);

// One timer tick with the rows redrawn.
void BM_QtListTick10000(benchmark::State& state) {
  T_Command_DEVICE scratch;
  ListFileConfigPanel panel(scratch);
  panel.resize(1200, 700);
  panel.show();
  panel.Open(QString::fromStdString(Folder().Str()));
  panel.Timer()->stop();  // ticks are driven here
  QApplication::processEvents();
  for (auto _ : state) {
    if (!panel.TimerTestListConfigTimer()) {
      state.PauseTiming();
      panel.Open(QString::fromStdString(Folder().Str()));
      panel.Timer()->stop();
      state.ResumeTiming();
    }
    panel.List()->viewport()->repaint();
  }
}
BENCHMARK(BM_QtListTick10000)->Unit(benchmark::kMicrosecond);

}  // namespace
