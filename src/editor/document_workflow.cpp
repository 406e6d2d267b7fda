#include "editor/document_workflow.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "files/config_load.h"
#include "files/panel_write.h"
#include "files/qt/crypto_load.h"
#include "files/qt/save_file.h"
#include "gui/dialogs/form_ok_message.h"
#include "gui/dialogs/message_service.h"
#include "gui/widgets/qt_text.h"
#include "model/writer.h"

namespace kestrin {

DocumentWorkflow::DocumentWorkflow(ConfigDocument& doc, MessageService& messages,
                                   ReportDialogs reportDialogs, const FileWriter* writer)
    : doc_(doc),
      messages_(messages),
      reportDialogs_(std::move(reportDialogs)),
      writer_(writer != nullptr ? *writer : ownWriter_),
      backupFolder_([] {
        return BackupFolder(std::string(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                               .toStdString());
      }) {
  // A failed PDF from the preview is told like every other failure.
  if (!reportDialogs_.showError) {
    reportDialogs_.showError = [this](QWidget*, const QString& what, const QString& todo) {
      messages_.Error(what, todo, true, false);
    };
  }
}

void DocumentWorkflow::ShowError(const MessagePair& pair) {
  messages_.Error(QString::fromUtf8(pair.message), QString::fromUtf8(pair.recommendation), true,
                  false);
}

void DocumentWorkflow::Confirm(const MessagePair& pair) {
  messages_.Confirm(QString::fromUtf8(pair.message), QString::fromUtf8(pair.recommendation),
                    false);
}

bool DocumentWorkflow::Open(const QString& path, const std::string& firstKey) {
  std::string key = firstKey;
  const ContainerPrompt prompt = [this](const std::string& file, std::string& tried,
                                        TextBuffer& text) {
    return CryptoLoadFromFile(QString::fromStdString(file), tried, text, messages_,
                              doc_.lastAppliedKey);
  };
  switch (LoadConfigFile(path.toStdString(), prompt, key, doc_.text, doc_.lexPipe,
                         doc_.scratchElement, doc_.edited)) {
    case LoadStatus::Loaded:
      break;
    case LoadStatus::CannotOpen:
      // Folders, devices and oversized files are refused before anything changes.
      ShowError(kMsgCannotOpen);
      return false;
    case LoadStatus::NoContainerText:
      doc_.text.Clear();
      return false;
  }
  doc_.Loaded(QFileInfo(path).absoluteFilePath().toStdString());
  return true;
}

void DocumentWorkflow::LoadDefaults() {
  // Exactly the defaults: reading an empty text would clear the version.
  doc_.text.Clear();
  doc_.Reset();
}

StatusLine DocumentWorkflow::Status(const QString& path, int kind, const QString& date,
                                    const std::string& version) {
  const bool locked = !path.isEmpty() && LockFileBeside(path.toStdString());
  StatusLine line = ComposeStatusLine(kind, FromQ(date), version, locked);
  if (locked) {
    messages_.Error(QString::fromUtf8(kMsgLocked.message),
                    QString::fromUtf8(kMsgLocked.recommendation), false, true);
  }
  doc_.SetReadOnly(locked);
  return line;
}

CheckOutcome DocumentWorkflow::Check(
    const std::function<void(const CheckViolation&)>& onDefaultApplied) {
  return RunChecks(
      doc_.edited,
      {[this](const CheckViolation& v) {
         const QString message = QString::fromStdString(v.message);
         const QString recommendation = QString::fromStdString(v.recommendation);
         const int result =
             v.dialog == CheckDialog::ErrorContinue
                 ? messages_.ErrorContinue(message, recommendation, v.offerDefault)
                 : messages_.Error(message, recommendation, v.showFix, v.showContinue);
         return CheckAnswerFromDialogResult(result);
       },
       onDefaultApplied});
}

bool DocumentWorkflow::WriteWithMessages(const QString& path, const QByteArray& bytes) {
  switch (SaveFileAtomic(path, bytes, writer_)) {
    case SaveResult::Ok:
      return true;
    case SaveResult::CannotReplace:
      ShowError(kMsgCannotReplace);
      return false;
    case SaveResult::CannotCreate:
      ShowError(kMsgCannotCreate);
      return false;
  }
  return false;
}

bool DocumentWorkflow::SaveTo(const QString& path) {
  const std::string text = WriteConfigTextCrLf(doc_.edited);
  if (!WriteWithMessages(path, QByteArray::fromStdString(text))) return false;
  doc_.Stored();
  Confirm(kMsgSaved);
  return true;
}

bool DocumentWorkflow::WriteToPanel(const QString& panelRoot) {
  PanelWriteRequest request;
  request.configBytes = WriteConfigTextCrLf(doc_.edited);
  request.clockBytes = ClockFileBytes();
  request.diskRoot = QDir::toNativeSeparators(panelRoot).toStdString();
  request.diskName = DiskDisplayName(request.diskRoot);
  request.backupFolder = backupFolder_ ? backupFolder_() : std::string();
  request.now = LocalTimeNow();
  const PanelWriteResult result = WriteToPanelDisk(request, {writer_, writer_, diskReader_});
  const MessagePair pair{result.message.c_str(), result.recommendation.c_str()};
  if (!result.ok) {
    ShowError(pair);
    return false;
  }
  doc_.Stored();
  Confirm(pair);
  return true;
}

bool DocumentWorkflow::AskDefaults() {
  return messages_.Confirm(QString::fromUtf8(kMsgAskDefaults.message),
                           QString::fromUtf8(kMsgAskDefaults.recommendation),
                           true) == TFormOkMessage::kResultContinue;
}

void DocumentWorkflow::ResetToDefaults() {
  doc_.Reset();
  messages_.SetKeyText(QString());
}

DocumentWorkflow::UnsavedEdits DocumentWorkflow::AskAboutUnsavedEdits() {
  // An armed panel's configuration cannot be written back: nothing to keep.
  if (doc_.ReadOnly() || !doc_.IsChanged()) return UnsavedEdits::None;
  switch (messages_.AskSaveChanges()) {
    case SaveChangesAnswer::Save:
      return UnsavedEdits::Save;
    case SaveChangesAnswer::Discard:
      return UnsavedEdits::Discard;
    case SaveChangesAnswer::Cancel:
      break;
  }
  return UnsavedEdits::Stay;
}

bool DocumentWorkflow::Print(QWidget* parent) {
  return PrintReport(parent, doc_.edited, QString(), reportDialogs_);
}

}  // namespace kestrin
