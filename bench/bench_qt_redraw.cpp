// Redraw of every parameter tab from a model with all 250 keys filled.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>
#include <cstdio>
#include <string>

#include "gui/widgets/qt_text.h"
#include "editor/tab_common.h"
#include "editor/tab_indic.h"
#include "editor/tab_keys.h"
#include "editor/tab_mode.h"
#include "editor/tab_parts.h"
#include "editor/tab_rele.h"
#include "editor/tab_shleifs.h"

namespace kestrin {
namespace {

void FillKeys(T_Command_DEVICE& m) {
  m.SetDefaults();
  for (int k = 1; k <= kKeyCount; ++k) {
    m.SetKeyName(k, FromQ(QStringLiteral("Польз%1").arg(k)));
    m.SetKeyMode(k, k % 3);
    char code[13];
    std::snprintf(code, sizeof code, "%06X%06X", k * 7919, k);
    m.SetKeyCode(k, code);
    m.SetKeyPartitions(k, static_cast<PartitionSet>((k % 255 + 1) << 1));
  }
}

void BM_RedrawAll(benchmark::State& state) {
  T_Command_DEVICE model;
  FillKeys(model);
  QTabWidget pages;
  TabSheet* tabs[] = {new TabCommon(model), new TabMode(model),    new TabIndic(model), new TabParts(model),
                      new TabShleifs(model), new TabRele(model), new TabKeys(model)};
  for (TabSheet* t : tabs) pages.addTab(t, t->objectName());
  for (TabSheet* t : tabs) t->Create();
  pages.resize(1000, 720);
  pages.show();
  pages.setCurrentIndex(6);  // the keys grid on screen
  QApplication::processEvents();
  for (auto _ : state) {
    for (TabSheet* t : tabs) t->Redraw();
    // Include the repaint the redraw causes.
    QApplication::processEvents();
  }
}
BENCHMARK(BM_RedrawAll)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrin
