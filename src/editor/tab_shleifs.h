#pragma once
#include "editor/tab_sheet.h"
#include "model/tab_rules.h"

class QComboBox;

namespace kestrin {

class EnterTracker;
class GridComboBox;
class GridLineEdit;
class StringGrid;

// "Шлейфы": the eight loops.
class TabShleifs : public TabSheet {
  Q_OBJECT
 public:
  explicit TabShleifs(T_Command_DEVICE& model, QWidget* parent = nullptr);
  void Create() override;   // Create_Shleifs
  void Redraw() override;   // Redraw_Shleifs
  void UnLoad() override;   // UnLoad_Shleifs
  void FieldsInto(T_Command_DEVICE& m) const override;

  void Shleifs_SaveType(int loop, int type);
  void Shleifs_SaveDelay(int loop, int seconds);
  void Shleifs_SavePart(int loop, int partition);
  void Shleifs_SaveName(int loop, const QString& name);

  StringGrid* SG_Shleifs = nullptr;
  QComboBox* CB_Shleif_AlarmRepeat = nullptr;
  GridComboBox* TypeEditor = nullptr;
  GridLineEdit* DelayEditor = nullptr;
  GridLineEdit* NameEditor = nullptr;
  GridComboBox* PartEditor = nullptr;

 private:
  void ShowRow(int loop, const LoopRow& row);
  EnterTracker* tracker_ = nullptr;
};

}  // namespace kestrin
