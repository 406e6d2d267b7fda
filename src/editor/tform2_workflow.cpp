// The six commands of the main window: open, print, write to the panel,
// save, defaults and settings. The window picks files and drives, unloads
// and redraws its tabs; the document's workflow does the rest.
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "gui/widgets/qt_text.h"
#include "editor/tform2.h"
#include "files/qt/list_file_config.h"
#include "files/qt/dialog_config.h"
#include "files/qt/file_dialogs.h"
#include "files/qt/form_logical_disks.h"
#include "gui/dialogs/message_service.h"

namespace kestrin {

void TForm2::ShowDocument(std::optional<int> status) {
  if (status) {
    SyncDebugMemo();
    Redraw_All();
    StartHistory();  // a configuration loaded or reset; a save keeps the history
    const QString path = LoadedPath();
    FormatStaticTextStatus(path, *status, false, path.isEmpty() ? QString() : FileDateText(path),
                           doc_.edited.GetVersion());
  }
  SetTitle(LoadedPath());
  UpdateModifiedMark();
}

bool TForm2::OpenFile(const QString& path, int kind, const std::string& firstKey) {
  if (!workflow_->Open(path, firstKey)) {
    SyncDebugMemo();  // a container given up on empties the text
    return false;
  }
  ShowDocument(kind);
  return true;
}

void TForm2::ShowStatus(const StatusLine& line) {
  StaticTextStatus->setText(ToQ(line.text));
  QPalette palette = StaticTextStatus->palette();
  palette.setColor(QPalette::WindowText, QColor::fromRgb(line.colour));
  StaticTextStatus->setPalette(palette);
}

void TForm2::FormatStaticTextStatus(const QString& path, int kind, bool /*modified*/,
                                    const QString& date, const std::string& version) {
  StatusLine line = workflow_->Status(path, kind, date, version);
  const bool locked = doc_.ReadOnly();
  B_SaveToDevice->setEnabled(!locked);
  B_SaveToDevice->setVisible(!locked && !listMode_);
  ShowStatus(line);
}

void TForm2::B_OpenClick() {
  if (settings_.ListModeOpenSave) {
    listPanel_->Open(QString::fromStdString(settings_.ListPathSave));
    listMode_ = true;
    StartHistory();
    ButtonVisible(false);
    listPanel_->show();
    listPanel_->FocusList();
  } else {
    OpenFileDirectly();
  }
}

void TForm2::OpenFileDirectly() {
  if (!MayDropEdits()) return;
  QStringList filters = QtNameFilters(OpenDialogFilter());
  QString path = fileDialogs_->OpenFile(this, filters, filters.value(3), QStringLiteral("ini"));
  if (path.isEmpty()) return;
  std::string key;
  if (IsContainerPath(path.toStdString())) key = FromQ(messages_->KeyText());
  OpenFile(path, kStatusSaved, key);
}

void TForm2::B_PrintClick() {
  UnLoad_All();
  workflow_->Print(this);
}

bool TForm2::Check_All() {
  CheckOutcome outcome = workflow_->Check([this](const CheckViolation& v) {
    // A hidden tab keeps its controls too: left stale, its next unload
    // would put the old value back.
    if (v.redraw != CheckRedraw::Never) RedrawTab(v.redrawTab);
  });
  if (!outcome.passed && outcome.answer == CheckAnswer::GotoControl && outcome.stoppedAt) {
    const CheckTarget& t = outcome.stoppedAt->target;
    GotoCheckTarget(t.tab, t.control, t.row, t.column);
  }
  return outcome.passed;
}

void TForm2::B_SaveClick() { SaveConfiguration(); }

bool TForm2::SaveConfiguration() {
  UnLoad_All();
  if (!Check_All()) return false;
  if (settings_.ListModeOpenSave && saveFolder_.isEmpty()) {
    saveFolder_ = QString::fromStdString(settings_.ListPathSave);
  }
  QString proposed = ToQ(ProposedSaveName(settings_.MaskMode, ComposeFileName(settings_, "", "")));
  QString path = fileDialogs_->SaveFile(this, saveFolder_, proposed,
                                        QtNameFilters(SaveDialogFilter()), QStringLiteral("ini"));
  if (path.isEmpty()) return false;
  if (!workflow_->SaveTo(path)) return false;
  ShowDocument(std::nullopt);
  return true;
}

void TForm2::B_SaveToDeviceClick() {
  UnLoad_All();
  if (!Check_All()) return;
  TFormLogicalDisks& disks = LogicalDisks();
  disks.exec();
  if (!disks.SelectedDrive()) return;
  if (workflow_->WriteToPanel(disks.SelectedDiskRoot())) ShowDocument(std::nullopt);
}

void TForm2::B_DefaultClick() {
  // Unsaved edits: their question is the only one, its "Не сохранять" confirms.
  switch (workflow_->AskAboutUnsavedEdits()) {
    case DocumentWorkflow::UnsavedEdits::None:
      if (!workflow_->AskDefaults()) return;
      break;
    case DocumentWorkflow::UnsavedEdits::Save:
      if (!SaveConfiguration()) return;
      break;
    case DocumentWorkflow::UnsavedEdits::Discard:
      break;
    case DocumentWorkflow::UnsavedEdits::Stay:
      return;
  }
  PagesParam->hide();
  workflow_->ResetToDefaults();
  ShowDocument(kStatusDefault);
  PagesParam->show();
}

void TForm2::B_ConfigClick() { ConfigDialog().exec(); }

}  // namespace kestrin
