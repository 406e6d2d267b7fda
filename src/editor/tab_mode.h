#pragma once
#include "editor/tab_sheet.h"

namespace kestrin {

class TabMode : public TabSheet {
  Q_OBJECT
 public:
  explicit TabMode(T_Command_DEVICE& model, QWidget* parent = nullptr)
      : TabSheet(model, "Tab_Mode", parent) {}
};

}  // namespace kestrin
