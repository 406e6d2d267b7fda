#pragma once
#include <memory>

#include "editor/tab_sheet.h"
#include "model/partition_set.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QTimer;

namespace kestrin {

class FileDialogs;
class FileWriter;
class MessageService;
class GridCheckList;
class KeysFindBar;
struct KeysCsvImport;
class GridComboBox;
class GridEditor;
class GridLineEdit;
class StringGrid;

// The error dialog's first text for a refused import: the first problem
// lines and how many bad rows are left unnamed (the dialog holds three lines).
QString KeysImportProblems(const KeysCsvImport& result);

// "Ключи": the 250 users, every cell stored at once. The grid's context menu
// exports and imports the keys as CSV; Ctrl+F opens a find field under it.
class TabKeys : public TabSheet {
  Q_OBJECT
 public:
  explicit TabKeys(T_Command_DEVICE& model, QWidget* parent = nullptr);
  ~TabKeys() override;
  void Create() override;   // Create_Keys
  void Redraw() override;   // Redraw_Keys
  void UnLoad() override {} // UnLoad_Keys: cells are already stored

  void Keys_SaveName(int key, const QString& name);
  void Keys_SaveType(int key, int mode);
  // Returns the key that already holds the code (the code is then refused), else 0.
  int Keys_SaveCode(int key, const QString& text);
  void Keys_SaveParts(int key, PartitionSet set);
  // Initial text and length of an editor about to open on the keys grid.
  QString SG_Edit_Tune(int tag, GridEditor* editor, int col, int row);

  bool ShowCodes() const { return showCodes_; }
  void SetShowCodes(bool show);

  // The open and save dialogs of the CSV commands (null: QFileDialog).
  void SetFileDialogs(FileDialogs* dialogs);
  // The window's dialogs for problems (null: an error dialog of the tab's own).
  void SetMessages(MessageService* messages) { messages_ = messages; }
  // What the export replaces its file with (null: a writer without faults).
  void SetFileWriter(const FileWriter* writer) { writer_ = writer; }
  // The context menu at a screen position; runs the chosen command.
  void ShowKeysMenu(const QPoint& globalPos);
  void ExportKeysCsvClick();
  void ImportKeysCsvClick();

  // Find: Ctrl+F opens, typing finds the first key, Enter and F3 the next,
  // Shift+F3 the previous, Esc closes and gives the grid the focus.
  void OpenFind();
  void CloseFind();
  void FindFirst();
  void FindNext(bool backwards);

  StringGrid* SG_Keys = nullptr;
  QCheckBox* CB_HideKeyCodes = nullptr;
  QLabel* ST_MessText = nullptr;
  QTimer* T_HideToolTip = nullptr;
  GridLineEdit* NameEditor = nullptr;
  GridComboBox* ModeEditor = nullptr;
  GridLineEdit* CodeEditor = nullptr;
  GridCheckList* PartsEditor = nullptr;
  KeysFindBar* FindBar = nullptr;
  QMenu* PM_Keys = nullptr;
  QAction* A_Keys_ExportCsv = nullptr;
  QAction* A_Keys_ImportCsv = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateFind();
  void CreateMenu();
  void GoToKey(int key);
  FileDialogs& Dialogs();
  void ShowError(const QString& message, const QString& recommendation);
  void DrawCell(QPainter* p, const QRect& r, int col, int row, bool inUse);
  void ShowDuplicateNotice(int key, int other);
  bool showCodes_ = false;
  std::unique_ptr<FileDialogs> ownDialogs_;
  FileDialogs* dialogs_ = nullptr;
  MessageService* messages_ = nullptr;
  const FileWriter* writer_ = nullptr;
};

}  // namespace kestrin
