#pragma once
#include "editor/tab_sheet.h"
#include "model/tab_rules.h"

class QCheckBox;

namespace kestrin {

class EnterTracker;
class GridCheckList;
class GridComboBox;
class GridLineEdit;
class StringGrid;

// "Реле": the four relay outputs.
class TabRele : public TabSheet {
  Q_OBJECT
 public:
  explicit TabRele(T_Command_DEVICE& model, QWidget* parent = nullptr);
  void Create() override;   // Create_Rele
  void Redraw() override;   // Redraw_Rele
  void UnLoad() override;   // UnLoad_Rele
  void FieldsInto(T_Command_DEVICE& m) const override;

  void Reles_SaveType(int relay, int type);
  void Reles_SaveDelay(int relay, int seconds);
  void Reles_SaveParts(int relay, PartitionSet set);

  StringGrid* SG_Reles = nullptr;
  QCheckBox* CB_Rele_ActiveKTS = nullptr;
  QCheckBox* CB_Rele_ActiveTamper = nullptr;
  GridComboBox* TypeEditor = nullptr;
  GridLineEdit* TimeEditor = nullptr;
  GridCheckList* PartsCheckList = nullptr;
  GridComboBox* PartList = nullptr;

 private:
  void ShowRow(int relay, const RelayRow& row);
  EnterTracker* tracker_ = nullptr;
};

}  // namespace kestrin
