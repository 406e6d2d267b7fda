// Unsaved edits in the main window: the "*" of the title, and the question
// before the configuration is replaced or the window closes.
#include <QAbstractButton>
#include <QSlider>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

#include "editor/keys_find.h"
#include "editor/string_grid.h"
#include "editor/tab_common.h"
#include "editor/tab_indic.h"
#include "editor/tab_keys.h"
#include "editor/tab_mode.h"
#include "editor/tab_rele.h"
#include "editor/tab_shleifs.h"
#include "editor/tform2.h"

namespace kestrin {

bool TForm2::IsModified() { return doc_.IsChanged(); }

void TForm2::UpdateModifiedMark() {
  markScheduled_ = false;
  setWindowModified(IsModified());
}

void TForm2::ScheduleModifiedMark() {
  // One look for a burst of changes (a redraw changes hundreds of cells).
  if (markScheduled_) return;
  markScheduled_ = true;
  QTimer::singleShot(0, this, [this] {
    if (markScheduled_) UpdateModifiedMark();
  });
}

bool TForm2::MayDropEdits() {
  switch (workflow_->AskAboutUnsavedEdits()) {
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

bool TForm2::HoldsConfiguration(const QWidget* w) {
  if (w->property("gridCellEditor").toBool()) return false;
  for (const QWidget* p = w; p; p = p->parentWidget()) {
    if (qobject_cast<const KeysFindBar*>(p)) return false;
  }
  return true;
}

void TForm2::WatchEdits() {
  // The fields are ahead of the model until unloaded: the document reads
  // them into its copy, in the unload order.
  doc_.SetPendingEdits([this](T_Command_DEVICE& m) {
    for (const TabSheet* tab : std::initializer_list<const TabSheet*>{
             Tab_Mode, Tab_Indic, Tab_Shleifs, Tab_Rele, Tab_Keys, Tab_Common}) {
      tab->FieldsInto(m);
    }
  });
  doc_.AddObserver([this] { ScheduleModifiedMark(); });
  auto touched = [this] { doc_.Touched(); };
  auto& watched = editWatches_;
  // Cells are stored into the model before they show the stored text.
  for (StringGrid* grid : PagesParam->findChildren<StringGrid*>())
    watched.push_back(connect(grid, &StringGrid::cellTextChanged, this, touched));
  for (QLineEdit* edit : PagesParam->findChildren<QLineEdit*>())
    if (HoldsConfiguration(edit)) watched.push_back(connect(edit, &QLineEdit::textChanged, this, touched));
  for (QComboBox* box : PagesParam->findChildren<QComboBox*>())
    if (HoldsConfiguration(box))
      watched.push_back(connect(box, &QComboBox::currentIndexChanged, this, touched));
  for (QAbstractButton* button : PagesParam->findChildren<QAbstractButton*>())
    if (HoldsConfiguration(button))
      watched.push_back(connect(button, &QAbstractButton::toggled, this, touched));
  for (QSlider* slider : PagesParam->findChildren<QSlider*>())
    if (HoldsConfiguration(slider))
      watched.push_back(connect(slider, &QSlider::valueChanged, this, touched));
  WatchForUndo();
}

void TForm2::UnwatchEdits() {
  // The tabs outlive the document they tell of (Qt deletes them after the
  // window's members): nothing they do on their way out may reach it.
  for (const QMetaObject::Connection& c : editWatches_) disconnect(c);
  editWatches_.clear();
  doc_.SetPendingEdits(nullptr);
}

}  // namespace kestrin
