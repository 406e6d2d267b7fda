#pragma once
#include "editor/tab_sheet.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSlider;

namespace kestrin {

class EnterTracker;

// "Режимы": hidden for this panel; two of its groups live on "Общие".
class TabMode : public TabSheet {
  Q_OBJECT
 public:
  explicit TabMode(T_Command_DEVICE& model, QWidget* parent = nullptr);
  void Create() override;   // Create_Mode
  void Redraw() override;   // Redraw_Mode
  void FieldsInto(T_Command_DEVICE& m) const override;  // UnLoad_Mode

  QGroupBox* GB_Mode_GuardDevice = nullptr;
  QGroupBox* GB_Mode_Common = nullptr;
  QCheckBox* CB_Mode_UnlockMode = nullptr;
  QCheckBox* CB_Mode_EnterEnable = nullptr;
  QCheckBox* CB_Mode_LockNoIP = nullptr;
  QCheckBox* CB_Mode_LogEnable = nullptr;
  QSlider* TB_Mode_Accel = nullptr;
  QLabel* L_Mode_Accel2 = nullptr;
  QComboBox* CB_Mode_PowerOffMode = nullptr;

 private:
  void TB_Mode_AccelChange();
  EnterTracker* tracker_ = nullptr;
  bool lockNoIPState_ = false;  // restored when the box is enabled again
};

}  // namespace kestrin
