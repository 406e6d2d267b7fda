// Unsaved edits in the main window: the "*" of the title, and the question
// before the configuration is replaced or the window closes.
#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include "editor/tform2.h"

namespace kestrin {

void TForm2::WithTabsUnloaded(const std::function<void()>& look) {
  // The tabs hold the truth; unloading them must not be a side effect of a look.
  const T_Command_DEVICE kept = doc_.edited;
  UnLoadTabs();
  look();
  doc_.edited = kept;
  // Unloading redraws some cells; that is no edit to look at again.
  if (modifiedTimer_) modifiedTimer_->stop();
}

bool TForm2::IsModified() {
  bool changed = false;
  WithTabsUnloaded([&] { changed = doc_.IsChanged(); });
  return changed;
}

void TForm2::UpdateModifiedMark() { setWindowModified(IsModified()); }

void TForm2::TakeBaselineFromTabs() {
  WithTabsUnloaded([this] { doc_.Stored(); });
  setWindowModified(false);
}

DocumentWorkflow::UnsavedEdits TForm2::AskAboutUnsavedEdits() {
  auto answer = DocumentWorkflow::UnsavedEdits::None;
  WithTabsUnloaded([&] { answer = workflow_->AskAboutUnsavedEdits(); });
  return answer;
}

bool TForm2::MayDropEdits() {
  switch (AskAboutUnsavedEdits()) {
    case DocumentWorkflow::UnsavedEdits::None:
    case DocumentWorkflow::UnsavedEdits::Discard:
      return true;
    case DocumentWorkflow::UnsavedEdits::Save:
      return SaveConfiguration();
    case DocumentWorkflow::UnsavedEdits::Stay:
      break;
  }
  return false;
}

void TForm2::closeEvent(QCloseEvent* event) {
  if (!MayDropEdits()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

void TForm2::WatchEdits() {
  modifiedTimer_ = new QTimer(this);
  modifiedTimer_->setSingleShot(true);
  modifiedTimer_->setInterval(150);
  connect(modifiedTimer_, &QTimer::timeout, this, [this] {
    // Not while a dialog works on the model (checks, loading).
    if (QApplication::activeModalWidget()) {
      modifiedTimer_->start();
      return;
    }
    UpdateModifiedMark();
  });
  auto later = [this] { modifiedTimer_->start(); };
  // Cells are stored as they are edited; fields on leaving or saving.
  for (QTableWidget* grid : PagesParam->findChildren<QTableWidget*>())
    connect(grid, &QTableWidget::itemChanged, this, later);
  for (QLineEdit* edit : PagesParam->findChildren<QLineEdit*>())
    connect(edit, &QLineEdit::textChanged, this, later);
  for (QComboBox* box : PagesParam->findChildren<QComboBox*>())
    connect(box, &QComboBox::currentIndexChanged, this, later);
  for (QAbstractButton* button : PagesParam->findChildren<QAbstractButton*>())
    connect(button, &QAbstractButton::toggled, this, later);
}

}  // namespace kestrin
