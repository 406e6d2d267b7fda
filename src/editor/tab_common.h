#pragma once
#include "editor/tab_sheet.h"

class QLabel;
class QLineEdit;
class QGroupBox;
class QVBoxLayout;

namespace kestrin {

class TabMode;
class EnterTracker;

// "Общие": file keys and password; also hosts the two groups of "Режимы".
class TabCommon : public TabSheet {
  Q_OBJECT
 public:
  explicit TabCommon(T_Command_DEVICE& model, QWidget* parent = nullptr);
  void Create() override;   // Create_Common
  void Redraw() override;   // Redraw_Common
  void FieldsInto(T_Command_DEVICE& m) const override;  // UnLoad_Common
  // Moves the guard-device and common-mode groups of "Режимы" onto this tab,
  // below the password (done once; later calls do nothing).
  void AdoptModeGroups(TabMode& mode);

  QLineEdit* E_Common_KEY = nullptr;
  QLineEdit* E_Common_KEYOld = nullptr;
  QLineEdit* E_Common_Password = nullptr;
  QLabel* StaticTextStatus = nullptr;

 private:
  QVBoxLayout* column_ = nullptr;
  QGroupBox* phones_ = nullptr;
  QGroupBox* balance_ = nullptr;
  QLabel* L_Common_KEY = nullptr;
  QLabel* L_Common_KEYOld = nullptr;
  QLabel* L_Common_Password = nullptr;
  EnterTracker* tracker_ = nullptr;
  bool adopted_ = false;
};

}  // namespace kestrin
