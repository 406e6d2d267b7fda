// The yardstick for the window's start-up: a bare Qt window of the same shape
// (a main window, six tabs, one 251-row 5-column grid on the last, six
// buttons), built with the same Qt. Its cold start is printed exactly as
// bench_qt_startup prints the window's, so scripts/startup-ratio can set the
// two side by side.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstdio>

namespace {

void StartOnce() {
  QMainWindow window;
  auto* central = new QWidget(&window);
  auto* layout = new QVBoxLayout(central);
  auto* tabs = new QTabWidget(central);
  for (int i = 0; i < 5; ++i) tabs->addTab(new QWidget(tabs), QStringLiteral("Вкладка %1").arg(i + 1));
  auto* grid = new QTableWidget(251, 5, tabs);
  for (int row = 0; row < 251; ++row)
    for (int column = 0; column < 5; ++column)
      grid->setItem(row, column, new QTableWidgetItem(QString::number(row * 5 + column)));
  tabs->addTab(grid, QStringLiteral("Ключи"));
  layout->addWidget(tabs);
  auto* buttons = new QHBoxLayout;
  for (int i = 0; i < 6; ++i) {
    auto* button = new QPushButton(QStringLiteral("Кнопка %1").arg(i + 1), central);
    button->setMinimumSize(140, 62);
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);
  window.setCentralWidget(central);
  window.resize(980, 720);
  window.show();
  window.repaint();
  QApplication::processEvents();
  benchmark::DoNotOptimize(window.windowTitle());
}

void BM_BareStartup(benchmark::State& state) {
  for (auto _ : state) StartOnce();
}
BENCHMARK(BM_BareStartup)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QElapsedTimer cold;
  cold.start();
  QApplication app(argc, argv);
  StartOnce();
  std::printf("cold start (application + first window shown): %.1f ms\n",
              static_cast<double>(cold.nsecsElapsed()) / 1e6);
  std::fflush(stdout);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
