#pragma once
#include "editor/tab_sheet.h"

namespace kestrin {

class TabSMS : public TabSheet {
  Q_OBJECT
 public:
  explicit TabSMS(T_Command_DEVICE& model, QWidget* parent = nullptr)
      : TabSheet(model, "Tab_SMS", parent) {}
};

}  // namespace kestrin
