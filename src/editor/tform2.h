#pragma once
// The main window: the parameter tabs over the edited model, the status line,
// and the six commands that open, print, save and write a configuration.
#include <QKeySequence>
#include <QMainWindow>
#include <QPalette>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/document_workflow.h"
#include "files/config_document.h"
#include "files/edit_history.h"
#include "files/program_settings.h"
#include "files/qt/settings_store.h"
#include "files/workflow.h"
#include "gui/widgets/hints.h"
#include "report/qt/report_printer.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace kestrin {

class DialogMessageService;
class DiskReader;
class DriveList;
class MessageService;
class FileDialogs;
class CompareWindow;
class ParamsWindow;
struct DiffLocator;
class TabSheet;
class TabCommon;
class TabMode;
class TabIndic;
class TabParts;
class TabShleifs;
class TabRele;
class TabKeys;
class TabSMS;
class TabSMSK;
class TabGSM;
class TabPK4;
class TabGPRS;
class TabLAN;
class TDialogConfig;
class TFormLogicalDisks;
class TFormSelectPathTree;
class ListFileConfigPanel;

// What the program entry hands the window; tests replace the seams.
struct TForm2Options {
  std::vector<std::string> args;  // command line without the program name (UTF-8)
  std::string workFolder;         // UTF-8; empty: the current folder
  std::string programFolder;      // UTF-8 with trailing delimiter; empty: the executable's
  const DriveList* drives = nullptr;        // null: the system's drives
  FileDialogs* fileDialogs = nullptr;       // null: QFileDialog
  std::shared_ptr<SettingsStore> settings;  // null: the platform's store
  ReportDialogs reportDialogs;              // empty: the print dialog
  MessageService* messages = nullptr;       // null: the program's message and key dialogs
  const FileWriter* writer = nullptr;       // null: the program's file writer
  // Where panel writes back the disk's config.ini up (UTF-8); empty: the
  // BackupPath setting, else "Кестрин/Резервные копии" in the documents folder.
  std::string backupFolder;
  const DiskReader* diskReader = nullptr;  // null: the platform's read-back
};

// Remembered-control slots, one per tab that records its focused control.
enum TabSlot {
  kSlotCommon, kSlotMode, kSlotIndic, kSlotShleifs, kSlotRele, kSlotKeys,
  kSlotSMS, kSlotSMSK, kSlotGSM, kSlotPK4, kSlotGPRS, kSlotCount
};

class TForm2 : public QMainWindow {
  Q_OBJECT
 public:
  // Runs FormCreate, then the message service and the document's workflow
  // (the drive chooser, settings dialog and folder tree when first asked for).
  explicit TForm2(TForm2Options options = {}, QWidget* parent = nullptr);
  ~TForm2() override;

  // Start-up: the default model, then the start-up file, title, status, tabs.
  void FormShow();

  // Tab framework.
  void Redraw_All();
  void UnLoad_All();
  void GotoItem(QWidget* tab, QWidget* control = nullptr);
  void RestoreTabFocus(TabSlot slot);
  QWidget* RememberedControl(TabSlot slot) const;

  // Commands.
  void B_OpenClick();
  void OpenFileDirectly();
  void B_PrintClick();
  void B_SaveToDeviceClick();
  void B_SaveClick();
  void B_DefaultClick();
  void B_ConfigClick();
  // The save command; true when the file was written.
  bool SaveConfiguration();

  // Unsaved edits: the document's text (fields not yet left included)
  // differs from the one last loaded, saved, written or reset. Asking
  // changes nothing, neither the model nor what the tabs show.
  bool IsModified();
  // The title's "*" follows IsModified.
  void UpdateModifiedMark();
  // Before the configuration is replaced or the window closes: asks about
  // unsaved edits (not for a read-only one). True to go on.
  bool MayDropEdits();
  // "Сравнить с файлом..." (Ctrl+D): a file through the open dialog, then CompareWithFile.
  void CompareWithFileClick();
  // The tabs unloaded, then the edited configuration against the file (a
  // container through the key dialog, firstKey tried first) in the compare
  // window. False when nothing was compared (unreadable, key given up on).
  bool CompareWithFile(const QString& path, const std::string& firstKey = {});
  CompareWindow* CompareView() const { return compareWindow_; }
  // "Все параметры" (Ctrl+Shift+F): every parameter of the configuration as
  // the tabs hold it, with its default, in a window of its own.
  void ShowAllParameters();
  ParamsWindow* ParamsView() const { return paramsWindow_; }
  // Ctrl+Z, Ctrl+Y (and Ctrl+Shift+Z): the configuration one stored edit back
  // or forward, redrawn, the changed parameter's control brought forward.
  void UndoEdit();
  void RedoEdit();
  const EditHistory& History() const { return history_; }
  // The shortcut of a command button by objectName (and "A_Compare",
  // "A_Params"); empty otherwise.
  static QKeySequence CommandShortcut(const QString& buttonName);

  // Loads a file as the open command does (container by extension). True when loaded.
  bool OpenFile(const QString& path, int kind = kStatusSaved, const std::string& firstKey = {});
  // Status line, colour, lock rule and "В устройство..." (dates in the system's short format).
  void FormatStaticTextStatus(const QString& path, int kind, bool modified, const QString& date,
                              const std::string& version);
  bool Check_All();
  // Before every tooltip: tab headers and grid columns take their hint.
  bool My_onShowHint(QWidget* control, const QPoint& pos, QString& text, QRect& area);

  // State for the window's users and tests.
  bool ReadOnly() const { return doc_.ReadOnly(); }
  bool ListMode() const { return listMode_; }
  QString LoadedPath() const { return QString::fromStdString(doc_.LoadedPath()); }
  // The configuration the tabs edit.
  ConfigDocument& Document() { return doc_; }
  // Where the commands' messages go.
  MessageService& Messages() { return *messages_; }
  // The window's own dialogs; null when the options handed a service in.
  DialogMessageService* OwnMessages() const { return ownMessages_.get(); }
  ProgramSettings& Settings() { return settings_; }
  HintDisplay& Hints() { return hints_; }
  QTabWidget* Pages() const { return PagesParam; }
  QLabel* StatusLabel() const { return StaticTextStatus; }
  ListFileConfigPanel* ListPanel() const { return listPanel_; }

  // Caption of the main window's command buttons by tag (either sign); empty for
  // a tag no button has.
  static QString ButtonCaption(int tag);
  // Date of a file's last change in the system's short format.
  static QString FileDateText(const QString& path);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void CreateTabs();
  void CreateButtons();
  void CreateListMode();
  void AdoptModeGroups();
  void CreateCompanions();
  TFormLogicalDisks& LogicalDisks();
  TDialogConfig& ConfigDialog();
  void CreateShortcuts();
  void CreateCompareCommand();
  void CreateParamsCommand();
  void CreateUndoCommands();
  void WatchForUndo();
  void StartHistory();
  void ScheduleRecord();
  void RecordEdit();
  void RestoreStep(const EditHistory::Move& move);
  // A control whose value belongs to the configuration: not a grid cell's
  // editor, not the keys tab's find field.
  static bool HoldsConfiguration(const QWidget* w);
  void CompareListRow(const QString& path, bool container);
  void GotoDifference(const DiffLocator& at);
  void FinishCellEditing();
  void ConnectFocusTracking();
  void ShowStatus(const StatusLine& line);
  void SetTitle(const QString& path);
  void SyncDebugMemo();
  void PagesParamChange(int index);
  void ButtonVisible(bool editor);
  void ListOpenRequested(const QString& path, bool container);
  // After every load and reset (status: the status line's kind): the text
  // tab, the tabs, the status line, the title and its mark. After a save or
  // a panel write (no status): the title and its mark; the unload before it
  // has shown the rows as written.
  void ShowDocument(std::optional<int> status);
  // The tabs into the model, without the tooltip reset of UnLoad_All.
  void UnLoadTabs();
  // The document reads the fields through the tabs; every edit tells it.
  void WatchEdits();
  void UnwatchEdits();
  // The "*" of the title follows the document once the current event is done.
  void ScheduleModifiedMark();
  void RedrawTab(const std::string& tabName);
  void GotoCheckTarget(const std::string& tab, const std::string& control, int row, int column);
  void Event_LabelClick(QWidget* label);
  void Event_UpDownMouseDown(QWidget* upDown);
  TabSheet* SheetByName(const std::string& name) const;
  int SlotOf(QWidget* tab) const;

  TForm2Options options_;
  ConfigDocument doc_;
  std::unique_ptr<DialogMessageService> ownMessages_;
  MessageService* messages_ = nullptr;
  std::unique_ptr<DocumentWorkflow> workflow_;
  std::unique_ptr<FileDialogs> ownDialogs_;
  FileDialogs* fileDialogs_ = nullptr;
  std::shared_ptr<SettingsStore> store_;
  ProgramSettings settings_;

  QWidget* central_ = nullptr;
  QTabWidget* PagesParam = nullptr;
  QLabel* StaticTextStatus = nullptr;
  TabCommon* Tab_Common = nullptr;
  TabMode* Tab_Mode = nullptr;
  TabIndic* Tab_Indic = nullptr;
  TabParts* Tab_Parts = nullptr;
  TabShleifs* Tab_Shleifs = nullptr;
  TabRele* Tab_Rele = nullptr;
  TabKeys* Tab_Keys = nullptr;
  TabSMS* Tab_SMS = nullptr;
  TabSMSK* Tab_SMSK = nullptr;
  TabGSM* Tab_GSM = nullptr;
  TabPK4* Tab_PK4 = nullptr;
  TabGPRS* Tab_GPRS = nullptr;
  TabLAN* Tab_LAN = nullptr;
  QWidget* TabDebug = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  std::vector<QWidget*> sheets_;

  QPushButton* B_Open = nullptr;
  QPushButton* B_Print = nullptr;
  QPushButton* B_SaveToDevice = nullptr;
  QPushButton* B_Save = nullptr;
  QPushButton* B_Default = nullptr;
  QPushButton* B_Config = nullptr;
  QWidget* buttonRow_ = nullptr;

  ListFileConfigPanel* listPanel_ = nullptr;
  CompareWindow* compareWindow_ = nullptr;
  ParamsWindow* paramsWindow_ = nullptr;

  TFormLogicalDisks* formLogicalDisks_ = nullptr;
  TDialogConfig* dialogConfig_ = nullptr;
  TFormSelectPathTree* formSelectPathTree_ = nullptr;

  std::array<QWidget*, kSlotCount> slots_{};
  HintDisplay hints_;
  QPalette toolTipPalette_;
  bool markScheduled_ = false;
  EditHistory history_;
  bool restoring_ = false;
  bool recordScheduled_ = false;
  std::vector<QMetaObject::Connection> editWatches_;
  QString saveFolder_;  // the save dialog's initial folder, set by the first save in list mode
  bool listMode_ = false;
  bool shown_ = false;
};

}  // namespace kestrin
