#pragma once
#include "editor/tab_sheet.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace kestrin {

class EnterTracker;
class GridCheckList;
class SirenPartsDelegate;
class SirenPartsModel;
class StringGrid;
class UpDown;

// "Индикация": external indicator, buzzer, siren and its partitions.
class TabIndic : public TabSheet {
  Q_OBJECT
 public:
  explicit TabIndic(T_Command_DEVICE& model, QWidget* parent = nullptr);
  void Create() override;   // Create_Indic
  void Redraw() override;   // Redraw_Indic
  void FieldsInto(T_Command_DEVICE& m) const override;  // UnLoad_Indic

  QLineEdit* E_Indic_ExtIndic = nullptr;
  UpDown* UD_Indic_ExtIndic = nullptr;
  QComboBox* CB_Indic_Zone = nullptr;
  QSlider* TB_Indic_IntZummer = nullptr;
  QLabel* L_Indic_IntZummer_3 = nullptr;
  QLineEdit* E_Indic_Sirena = nullptr;
  UpDown* UD_Indic_Sirena = nullptr;
  StringGrid* SG_Indic_Sirena_Parts = nullptr;
  GridCheckList* SirenPartsList = nullptr;  // created by Create

 private:
  EnterTracker* tracker_ = nullptr;
  SirenPartsModel* sirenParts_ = nullptr;
  SirenPartsDelegate* sirenDelegate_ = nullptr;
};

}  // namespace kestrin
