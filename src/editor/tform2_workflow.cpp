// The six commands of the main window: open, print, write to the panel,
// save, defaults and settings, with the status line and the lock rule.
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "gui/widgets/qt_text.h"
#include "editor/tform2.h"
#include "files/qt/list_file_config.h"
#include "files/file_bytes.h"
#include "files/qt/crypto_load.h"
#include "files/qt/dialog_config.h"
#include "files/qt/file_dialogs.h"
#include "files/qt/form_logical_disks.h"
#include "files/qt/save_file.h"
#include "model/writer.h"
#include "report/checks.h"
#include "gui/dialogs/form_dialog_set_key_config.h"
#include "gui/dialogs/form_error_message.h"
#include "gui/dialogs/form_ok_message.h"

namespace kestrin {

namespace {

void ShowError(const MessagePair& pair) {
  TFormErrorMessage& dialog = FormErrorMessage();
  dialog.SetMessages(QString::fromUtf8(pair.message), QString::fromUtf8(pair.recommendation),
                     true, false);
  dialog.exec();
}

void Confirm(const MessagePair& pair) {
  TFormOkMessage& dialog = FormOkMessage();
  dialog.SetMessages(QString::fromUtf8(pair.message), QString::fromUtf8(pair.recommendation),
                     false);
  dialog.exec();
}

}  // namespace

void TForm2::LoadFormFromFile(T_Command_DEVICE& model, const std::string& key) {
  LoadModelFromText(model, doc_.text, doc_.lexPipe, doc_.scratchElement, key);
  SyncDebugMemo();
  Redraw_All();
}

bool TForm2::LoadPlainFile(const QString& path) {
  std::string bytes;
  // Folders, devices and oversized files are refused before anything changes.
  if (ReadFileBytes(path.toStdString(), bytes) != ReadStatus::Ok) {
    ShowError(kMsgCannotOpen);
    return false;
  }
  doc_.text.SetBytes(bytes);
  LoadFormFromFile(doc_.edited, std::string());
  return true;
}

bool TForm2::OpenFile(const QString& path, int kind, const std::string& firstKey) {
  bool loaded = false;
  if (IsContainerPath(path.toStdString())) {
    std::string key = firstKey;
    if (CryptoLoadFromFile(path, key, doc_)) {
      LoadFormFromFile(doc_.edited, key);
      loaded = true;
    } else {
      doc_.text.Clear();
      SyncDebugMemo();
    }
  } else {
    loaded = LoadPlainFile(path);
  }
  if (!loaded) return false;
  doc_.Loaded(QFileInfo(path).absoluteFilePath().toStdString());
  FormatStaticTextStatus(LoadedPath(), kind, false, FileDateText(LoadedPath()),
                         doc_.edited.GetVersion());
  SetTitle(LoadedPath());
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
  bool locked = !path.isEmpty() && LockFileBeside(path.toStdString());
  StatusLine line = ComposeStatusLine(kind, FromQ(date), version, locked);
  if (locked) {
    TFormErrorMessage& dialog = FormErrorMessage();
    dialog.SetMessages(QString::fromUtf8(kMsgLocked.message),
                       QString::fromUtf8(kMsgLocked.recommendation), false, true);
    dialog.exec();
  }
  doc_.SetReadOnly(locked);
  B_SaveToDevice->setEnabled(!locked);
  B_SaveToDevice->setVisible(!locked && !listMode_);
  ShowStatus(line);
}

void TForm2::B_OpenClick() {
  if (settings_.ListModeOpenSave) {
    listPanel_->Open(QString::fromStdString(settings_.ListPathSave));
    listMode_ = true;
    ButtonVisible(false);
    listPanel_->show();
    listPanel_->FocusList();
  } else {
    OpenFileDirectly();
  }
}

void TForm2::OpenFileDirectly() {
  QStringList filters = QtNameFilters(OpenDialogFilter());
  QString path = fileDialogs_->OpenFile(this, filters, filters.value(3), QStringLiteral("ini"));
  if (path.isEmpty()) return;
  std::string key;
  if (IsContainerPath(path.toStdString())) key = FromQ(FormDialogSetKeyConfig().KeyText());
  OpenFile(path, kStatusSaved, key);
}

void TForm2::B_PrintClick() {
  UnLoad_All();
  PrintReport(this, doc_.edited, QString(), options_.reportDialogs);
}

bool TForm2::Check_All() {
  TFormErrorMessage& dialog = FormErrorMessage();
  CheckOutcome outcome = RunChecks(
      doc_.edited,
      {[&dialog](const CheckViolation& v) {
         QString message = QString::fromStdString(v.message);
         QString recommendation = QString::fromStdString(v.recommendation);
         if (v.dialog == CheckDialog::ErrorContinue) {
           dialog.SetErrorContinue(message, recommendation, v.offerDefault);
         } else {
           dialog.SetMessages(message, recommendation, v.showFix, v.showContinue);
         }
         return CheckAnswerFromDialogResult(dialog.exec());
       },
       [this](const CheckViolation& v) {
         // A hidden tab keeps its controls too: left stale, its next unload
         // would put the old value back.
         if (v.redraw != CheckRedraw::Never) RedrawTab(v.redrawTab);
       }});
  if (!outcome.passed && outcome.answer == CheckAnswer::GotoControl && outcome.stoppedAt) {
    const CheckTarget& t = outcome.stoppedAt->target;
    GotoCheckTarget(t.tab, t.control, t.row, t.column);
  }
  return outcome.passed;
}

bool TForm2::WriteWithMessages(const QString& path, const QByteArray& bytes, bool clockFile) {
  switch (SaveFileAtomic(path, bytes)) {
    case SaveResult::Ok:
      return true;
    case SaveResult::CannotReplace:
      // The clock file is created anew: any failure is a failure to create it.
      ShowError(clockFile ? kMsgCannotCreate : kMsgCannotReplace);
      return false;
    case SaveResult::CannotCreate:
      ShowError(kMsgCannotCreate);
      return false;
  }
  return false;
}

void TForm2::B_SaveClick() {
  UnLoad_All();
  if (!Check_All()) return;
  std::string text = WriteConfigTextCrLf(doc_.edited);
  if (settings_.ListModeOpenSave && saveFolder_.isEmpty()) {
    saveFolder_ = QString::fromStdString(settings_.ListPathSave);
  }
  QString proposed = ToQ(ProposedSaveName(settings_.MaskMode, ComposeFileName(settings_, "", "")));
  QString path = fileDialogs_->SaveFile(this, saveFolder_, proposed,
                                        QtNameFilters(SaveDialogFilter()), QStringLiteral("ini"));
  if (path.isEmpty()) return;
  if (!WriteWithMessages(path, QByteArray::fromStdString(text), false)) return;
  doc_.Stored();
  Confirm(kMsgSaved);
}

void TForm2::B_SaveToDeviceClick() {
  UnLoad_All();
  if (!Check_All()) return;
  formLogicalDisks_->exec();
  if (!formLogicalDisks_->SelectedDrive()) return;
  QDir root(formLogicalDisks_->SelectedDiskRoot());
  std::string text = WriteConfigTextCrLf(doc_.edited);
  if (!WriteWithMessages(root.filePath(QStringLiteral("config.ini")),
                         QByteArray::fromStdString(text), false)) {
    return;
  }
  if (!WriteWithMessages(root.filePath(QStringLiteral("clock.txt")),
                         QByteArray::fromStdString(ClockFileBytes()), true)) {
    return;
  }
  doc_.Stored();
  Confirm(kMsgWrittenToDevice);
}

void TForm2::B_DefaultClick() {
  TFormOkMessage& ask = FormOkMessage();
  ask.SetMessages(QString::fromUtf8(kMsgAskDefaults.message),
                  QString::fromUtf8(kMsgAskDefaults.recommendation), true);
  if (ask.exec() != TFormOkMessage::kResultContinue) return;
  PagesParam->hide();
  doc_.Reset();
  FormDialogSetKeyConfig().SetKeyText(QString());
  Redraw_All();
  FormatStaticTextStatus(QString(), kStatusDefault, false, QString(), doc_.edited.GetVersion());
  SetTitle(QString());
  PagesParam->show();
}

void TForm2::B_ConfigClick() { dialogConfig_->exec(); }

}  // namespace kestrin
