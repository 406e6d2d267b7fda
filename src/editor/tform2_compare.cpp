// "Сравнить с файлом...": the edited configuration against a file, the
// differences listed by tab in a window of their own.
#include <QAction>
#include <QApplication>
#include <QTabWidget>
#include <memory>

#include "editor/compare_window.h"
#include "editor/grid_editors.h"
#include "editor/tab_keys.h"
#include "editor/tform2.h"
#include "files/config_load.h"
#include "files/qt/crypto_load.h"
#include "files/qt/file_dialogs.h"
#include "files/qt/list_file_config.h"
#include "gui/dialogs/message_service.h"
#include "gui/widgets/qt_text.h"
#include "model/config_diff.h"
#include "model/tab_rules.h"

namespace kestrin {

namespace {

// The file's own model, text and reader state: nothing of the document is
// touched. (The document's scratch model is no place for it: the file list's
// test timer rewrites it while the key dialog is up.)
struct ComparedFile {
  T_Command_DEVICE model;
  ConfigReading reading;
};

}  // namespace

void TForm2::CreateCompareCommand() {
  // No button of its own: a window shortcut, and the file list's context menu.
  auto* compare = new QAction(QStringLiteral("Сравнить с файлом..."), this);
  compare->setObjectName(QStringLiteral("A_Compare"));
  compare->setShortcut(CommandShortcut(compare->objectName()));
  compare->setShortcutContext(Qt::WindowShortcut);
  addAction(compare);
  connect(compare, &QAction::triggered, this, [this] {
    if (shown_) CompareWithFileClick();  // the start-up file is not loaded before
  });
  connect(listPanel_, &ListFileConfigPanel::compareRequested, this, &TForm2::CompareListRow);
}

void TForm2::CompareWithFileClick() {
  QStringList filters = QtNameFilters(OpenDialogFilter());
  QString path = fileDialogs_->OpenFile(this, filters, filters.value(3), QStringLiteral("ini"));
  if (path.isEmpty()) return;
  // Containers try the key dialog's text first, as opening does.
  std::string key;
  if (IsContainerPath(path.toStdString())) key = FromQ(messages_->KeyText());
  CompareWithFile(path, key);
}

bool TForm2::CompareWithFile(const QString& path, const std::string& firstKey) {
  auto file = std::make_unique<ComparedFile>();
  std::string key = firstKey;
  // Read as opening reads, key completion included, so that the file key of a
  // container compares as it would load.
  const ContainerPrompt prompt = [this](const std::string& name, std::string& tried,
                                        TextBuffer& text) {
    return CryptoLoadFromFile(QString::fromStdString(name), tried, text, *messages_,
                              doc_.lastAppliedKey);
  };
  switch (LoadConfigFile(path.toStdString(), prompt, key, file->reading, file->model)) {
    case LoadStatus::Loaded:
      break;
    case LoadStatus::CannotOpen:
      messages_->Error(QString::fromUtf8(kMsgCannotOpen.message),
                       QString::fromUtf8(kMsgCannotOpen.recommendation), true, false);
      return false;
    case LoadStatus::NoContainerText:
      return false;  // a wrong key given up on, or a broken container, compares nothing
  }
  // The edited configuration is compared as a save would write it, unload
  // rules included; the file gets the same rules, or a file compared with
  // itself would differ in unused rows. Nothing the tabs show changes.
  EnforceRowRules(file->model);

  FinishCellEditing();
  DiffOptions options;
  options.showCodes = Tab_Keys->ShowCodes();  // codes as the keys tab shows them
  const std::vector<ConfigDifference> differences =
      DiffConfigurations(doc_.AsWritten(), file->model, options);

  if (!compareWindow_) {
    compareWindow_ = new CompareWindow(this);
    connect(compareWindow_, &CompareWindow::differenceActivated, this,
            &TForm2::GotoDifference);
  }
  compareWindow_->ShowDifferences(path, differences);
  compareWindow_->show();
  compareWindow_->raise();
  compareWindow_->activateWindow();
  return true;
}

void TForm2::CompareListRow(const QString& path, bool container) {
  // As opening a row does: containers try the last applied key first.
  CompareWithFile(path, container ? doc_.lastAppliedKey : std::string());
}

void TForm2::GotoDifference(const DiffLocator& at) {
  // The controls are only reachable over the tabs: list mode is left as "Отменить" leaves it.
  if (listMode_) listPanel_->B_CancelOpenListClick();
  activateWindow();
  raise();
  GotoCheckTarget(at.tabObject, at.control, at.row, at.column);
}

void TForm2::FinishCellEditing() {
  // A grid's cell editor stores its text when it loses the focus to its grid;
  // a click on a command button does the same.
  QWidget* focus = QApplication::focusWidget();
  if (!focus || !PagesParam->isAncestorOf(focus)) return;
  for (StringGrid* grid : PagesParam->findChildren<StringGrid*>()) {
    GridEditor* editor = grid->OpenEditor();
    if (editor && editor->Widget() && (editor->Widget() == focus || editor->Widget()->isAncestorOf(focus))) {
      grid->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

}  // namespace kestrin
