#pragma once
#include "editor/tab_sheet.h"

namespace kestrin {

class TabIndic : public TabSheet {
  Q_OBJECT
 public:
  explicit TabIndic(T_Command_DEVICE& model, QWidget* parent = nullptr)
      : TabSheet(model, "Tab_Indic", parent) {}
};

}  // namespace kestrin
