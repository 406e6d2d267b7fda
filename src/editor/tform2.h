#pragma once
// The main window: the parameter tabs over the edited model, the status line,
// and the six commands that open, print, save and write a configuration.
#include <QMainWindow>
#include <QPalette>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "files/config_document.h"
#include "files/program_settings.h"
#include "files/qt/settings_store.h"
#include "files/workflow.h"
#include "gui/widgets/hints.h"
#include "report/qt/report_printer.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace kestrin {

class DriveList;
class FileDialogs;
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
};

// Remembered-control slots, one per tab that records its focused control.
enum TabSlot {
  kSlotCommon, kSlotMode, kSlotIndic, kSlotShleifs, kSlotRele, kSlotKeys,
  kSlotSMS, kSlotSMSK, kSlotGSM, kSlotPK4, kSlotGPRS, kSlotCount
};

class TForm2 : public QMainWindow {
  Q_OBJECT
 public:
  // Runs FormCreate, then creates the drive chooser, settings dialog and folder tree.
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
  void Event_Enter(QWidget* control);
  void Event_Exit(QWidget* control);

  // Commands.
  void B_OpenClick();
  void OpenFileDirectly();
  void B_PrintClick();
  void B_SaveToDeviceClick();
  void B_SaveClick();
  void B_DefaultClick();
  void B_ConfigClick();

  // Loads a file as the open command does (container by extension). True when loaded.
  bool OpenFile(const QString& path, int kind = kStatusSaved, const std::string& firstKey = {});
  // Text buffer -> model (defaults first), key completion, redraw of every tab.
  void LoadFormFromFile(T_Command_DEVICE& model, const std::string& key);
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
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The application-wide focus tracking; dropped first when the window goes.
  QMetaObject::Connection focusConnection_;
  void FormCreate();
  void CreateTabs();
  void CreateButtons();
  void CreateListMode();
  void AdoptModeGroups();
  void CreateCompanions();
  void ConnectFocusTracking();
  void ShowStatus(const StatusLine& line);
  void SetTitle(const QString& path);
  void SyncDebugMemo();
  void PagesParamChange(int index);
  void ButtonVisible(bool editor);
  void ListOpenRequested(const QString& path, bool container);
  void FallBackToDefaults();
  bool LoadPlainFile(const QString& path);
  bool WriteWithMessages(const QString& path, const QByteArray& bytes, bool clockFile);
  void RedrawTab(const std::string& tabName);
  void GotoCheckTarget(const std::string& tab, const std::string& control, int row, int column);
  void Event_LabelClick(QWidget* label);
  void Event_UpDownMouseDown(QWidget* upDown);
  TabSheet* SheetByName(const std::string& name) const;
  int SlotOf(QWidget* tab) const;

  TForm2Options options_;
  ConfigDocument doc_;
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

  TFormLogicalDisks* formLogicalDisks_ = nullptr;
  TDialogConfig* dialogConfig_ = nullptr;
  TFormSelectPathTree* formSelectPathTree_ = nullptr;

  std::array<QWidget*, kSlotCount> slots_{};
  HintDisplay hints_;
  QPalette toolTipPalette_;
  QString saveFolder_;  // the save dialog's initial folder, set by the first save in list mode
  bool listMode_ = false;
  bool shown_ = false;
};

}  // namespace kestrin
