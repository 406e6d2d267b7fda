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

namespace {

namespace fs = std::filesystem;
using namespace kestrin;

struct BenchFolder {
  fs::path dir;
  BenchFolder() {
    std::random_device rd;
    dir = fs::temp_directory_path() / ("kestrin-qbench-" + std::to_string(rd()));
    fs::create_directories(dir);
    T_Command_DEVICE m;
    m.SetDefaults();
    const fs::path first = dir / "cfg00000.ini";
    {
      const std::string text = WriteConfigTextCrLf(m);
      std::ofstream f(first, std::ios::binary);
      f.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    // Plain files are hard links to one full configuration to spare the disk.
    for (int i = 1; i < 5000; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "cfg%05d.ini", i);
      std::error_code ec;
      fs::create_hard_link(first, dir / name, ec);
      if (ec) fs::copy_file(first, dir / name);
    }
    const std::string body(4096, '\x33');
    for (int i = 0; i < 5000; ++i) {
      char name[32], id[16];
      std::snprintf(name, sizeof name, "pan%05d.cry", i);
      std::snprintf(id, sizeof id, "%012X", i);
      const std::string bytes = ContainerDeviceName() + "\r\n" + "Panel     " + id + body;
      std::ofstream f(dir / name, std::ios::binary);
      f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
  }
  ~BenchFolder() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  QString Q() const { return QString::fromStdString(dir.string()); }
};

BenchFolder& Folder() {
  static BenchFolder f;
  return f;
}

// From the click to the list painted on screen.
void BM_QtListOpen10000(benchmark::State& state) {
  T_Command_DEVICE scratch;
  ListFileConfigPanel panel(scratch);
  panel.resize(1200, 700);
  panel.show();
  const QString folder = Folder().Q();  // made before timing starts
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
  panel.Open(Folder().Q());
  panel.Timer()->stop();  // ticks are driven here
  QApplication::processEvents();
  for (auto _ : state) {
    if (!panel.TimerTestListConfigTimer()) {
      state.PauseTiming();
      panel.Open(Folder().Q());
      panel.Timer()->stop();
      state.ResumeTiming();
    }
    panel.List()->viewport()->repaint();
  }
}
BENCHMARK(BM_QtListTick10000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
