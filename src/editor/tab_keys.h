#pragma once
#include "editor/tab_sheet.h"
#include "model/partition_set.h"

class QCheckBox;
class QLabel;
class QTimer;

namespace kestrin {

class GridCheckList;
class GridComboBox;
class GridEditor;
class GridLineEdit;
class StringGrid;

// "Ключи": the 250 users, every cell stored at once.
class TabKeys : public TabSheet {
  Q_OBJECT
 public:
  explicit TabKeys(T_Command_DEVICE& model, QWidget* parent = nullptr);
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

  StringGrid* SG_Keys = nullptr;
  QCheckBox* CB_HideKeyCodes = nullptr;
  QLabel* ST_MessText = nullptr;
  QTimer* T_HideToolTip = nullptr;
  GridLineEdit* NameEditor = nullptr;
  GridComboBox* ModeEditor = nullptr;
  GridLineEdit* CodeEditor = nullptr;
  GridCheckList* PartsEditor = nullptr;

 private:
  void DrawCell(QPainter* p, const QRect& r, int col, int row, bool inUse);
  void ShowDuplicateNotice(int key, int other);
  bool showCodes_ = false;
};

}  // namespace kestrin
