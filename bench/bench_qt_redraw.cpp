// Redraw of every parameter tab from a model with all 250 keys filled, what
// a keystroke in a field costs the window (the "*" of its title), and one
// undo step.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
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
#include "editor/tform2.h"
#include "model/writer.h"

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

// The window shown over 250 filled keys, no start-up file.
struct ShownWindow {
  ShownWindow() {
    TForm2Options options;
    options.workFolder = dir.path().toStdString();
    options.programFolder = (dir.path() + QLatin1Char('/')).toStdString();
    options.settings = std::make_shared<SettingsStore>(dir.filePath(QStringLiteral("s.ini")));
    window = std::make_unique<TForm2>(options);
    window->show();
    QApplication::processEvents();
    FillKeys(window->Document().edited);
    window->Redraw_All();
    QApplication::processEvents();
    field = window->findChild<QLineEdit*>(QStringLiteral("E_Common_Password"));
  }
  QTemporaryDir dir;
  std::unique_ptr<TForm2> window;
  QLineEdit* field = nullptr;
};

// A keystroke in a field: its change tells the document, and the title's
// mark follows once the event is done.
void BM_KeystrokeInAField(benchmark::State& state) {
  ShownWindow shown;
  int n = 0;
  for (auto _ : state) {
    shown.field->setText(QString::number(++n % 2 ? 12345 : 54321));
    QApplication::processEvents();
  }
}
BENCHMARK(BM_KeystrokeInAField)->Unit(benchmark::kMillisecond);

// For comparison, the look the title's mark once took, 150 ms after the
// last keystroke: the model kept aside, every tab unloaded into it, its text
// written and compared, the model put back.
void BM_FormerLookByUnloadingTheTabs(benchmark::State& state) {
  ShownWindow shown;
  ConfigDocument& doc = shown.window->Document();
  for (auto _ : state) {
    const T_Command_DEVICE kept = doc.edited;
    shown.window->UnLoad_All();
    benchmark::DoNotOptimize(WriteConfigTextCrLf(doc.edited) != doc.BaselineText());
    doc.edited = kept;
  }
}
BENCHMARK(BM_FormerLookByUnloadingTheTabs)->Unit(benchmark::kMillisecond);

// One undo or redo step between the defaults and 250 filled keys: the whole
// configuration put back, every tab redrawn, the changed control brought
// forward. Target: within 20 ms.
void BM_UndoStep(benchmark::State& state) {
  ShownWindow shown;  // its history: the defaults, then the filled keys
  bool back = true;
  for (auto _ : state) {
    if (back) {
      shown.window->UndoEdit();
    } else {
      shown.window->RedoEdit();
    }
    back = !back;
    QApplication::processEvents();
  }
  if (shown.window->History().StepCount() != 2) state.SkipWithError("no step to undo");
}
BENCHMARK(BM_UndoStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrin
