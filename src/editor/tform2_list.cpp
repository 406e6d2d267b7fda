// List mode of the main window: the file list in place of the tabs.
#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/widgets/hints.h"
#include "editor/tform2.h"
#include "files/qt/list_file_config.h"
#include "files/workflow.h"

namespace kestrin {

void TForm2::CreateListMode() {
  // The list tests files in a text of its own: the text tab shows the loaded configuration.
  listPanel_ = new ListFileConfigPanel(doc_.scratch, nullptr, central_);
  listPanel_->hide();
  AssignHint(listPanel_->List(), 16);
  connect(listPanel_, &ListFileConfigPanel::openRequested, this, &TForm2::ListOpenRequested);
  connect(listPanel_, &ListFileConfigPanel::cancelled, this, [this] {
    listPanel_->hide();
    ButtonVisible(true);
  });
  connect(listPanel_, &ListFileConfigPanel::manualRequested, this, [this] {
    listPanel_->hide();
    ButtonVisible(true);
    OpenFileDirectly();
  });
}

void TForm2::ButtonVisible(bool editor) {
  listMode_ = !editor;
  for (QWidget* w : {static_cast<QWidget*>(B_Open), static_cast<QWidget*>(B_Print),
                     static_cast<QWidget*>(B_Save), static_cast<QWidget*>(B_Default),
                     static_cast<QWidget*>(B_Config), static_cast<QWidget*>(PagesParam)}) {
    w->setVisible(editor);
  }
  // A read-only configuration keeps the write-to-panel command withdrawn.
  B_SaveToDevice->setVisible(editor && B_SaveToDevice->isEnabled());
}

void TForm2::ListOpenRequested(const QString& path, bool container) {
  // Containers try the last key applied in the key dialog first.
  if (!MayDropEdits()) return;
  std::string key = container ? doc_.lastAppliedKey : std::string();
  if (!OpenFile(path, container ? kStatusDevice : kStatusSaved, key)) return;
  listPanel_->hide();
  ButtonVisible(true);
}

}  // namespace kestrin
