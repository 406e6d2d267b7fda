#pragma once
// The commands over the edited configuration, without a window: open, save,
// write to the panel, defaults and print. The window chooses the paths and
// keys (file dialogs, drive chooser), unloads its tabs before a command and
// redraws after it; every message and question goes through the message
// service, in the order the user meets them.
#include <QString>
#include <functional>
#include <string>

#include "files/atomic_file.h"
#include "files/config_document.h"
#include "files/disk_io.h"
#include "files/workflow.h"
#include "report/checks.h"
#include "report/qt/report_printer.h"

class QByteArray;
class QWidget;

namespace kestrin {

class MessageService;

class DocumentWorkflow {
 public:
  // What becomes of edits the next step would lose.
  enum class UnsavedEdits { None, Save, Discard, Stay };

  // writer: what saves and panel writes go through, and Writer() hands on
  // (null: the workflow's own, without faults); it must outlive the workflow.
  DocumentWorkflow(ConfigDocument& doc, MessageService& messages, ReportDialogs reportDialogs = {},
                   const FileWriter* writer = nullptr);
  DocumentWorkflow(const DocumentWorkflow&) = delete;
  DocumentWorkflow& operator=(const DocumentWorkflow&) = delete;

  const FileWriter& Writer() const { return writer_; }

  // Where a panel write backs the disk's config.ini up (UTF-8; asked at each
  // write, so that a changed setting holds at once; by default the backup
  // folder in the user's documents) and how it reads the disk back (null: the
  // platform's reader, past the cache).
  void SetPanelBackup(std::function<std::string()> backupFolder, const DiskReader* reader = nullptr) {
    backupFolder_ = std::move(backupFolder);
    diskReader_ = reader;
  }

  // A container (by its name, firstKey tried before the key dialog) or a plain
  // text file into the model. On success the document names the file. A
  // container given up on leaves the text buffer empty; nothing else changes
  // when the open fails. True when loaded.
  bool Open(const QString& path, const std::string& firstKey = {});
  // Exactly the defaults, no file, an empty text buffer.
  void LoadDefaults();

  // The status line of a file (empty: none) and the lock rule: an armed
  // panel's file is told once and becomes read-only. date: the file's date as
  // the status line shows it.
  StatusLine Status(const QString& path, int kind, const QString& date,
                    const std::string& version);

  // The checks run before every save and write, each violation asked in the
  // error dialog. onDefaultApplied: after a default was written into the model.
  CheckOutcome Check(const std::function<void(const CheckViolation&)>& onDefaultApplied);

  // The model's text into the file; confirmed when saved. True when saved.
  bool SaveTo(const QString& path);
  // The disk's config.ini backed up, then config.ini and clock.txt written
  // into the panel's folder and read back; confirmed when both came back as
  // written. True when written and verified.
  bool WriteToPanel(const QString& panelRoot);

  // "Вы хотите "сбросить" настройки...?"; true to go on.
  bool AskDefaults();
  // The defaults, no file, the key dialog emptied.
  void ResetToDefaults();

  // Before the configuration is replaced or the window closes, with the tabs
  // unloaded: None (nothing asked) when read-only or unchanged, else the
  // answer to "Конфигурация изменена. Сохранить изменения?".
  UnsavedEdits AskAboutUnsavedEdits();

  // The report on a printer. True when printed.
  bool Print(QWidget* parent);

 private:
  bool WriteWithMessages(const QString& path, const QByteArray& bytes);
  void ShowError(const MessagePair& pair);
  void Confirm(const MessagePair& pair);

  ConfigDocument& doc_;
  MessageService& messages_;
  ReportDialogs reportDialogs_;
  FileWriter ownWriter_;
  const FileWriter& writer_;
  std::function<std::string()> backupFolder_;
  const DiskReader* diskReader_ = nullptr;
};

}  // namespace kestrin
