#pragma once
#include "editor/tab_sheet.h"

namespace kestrin {

class TabShleifs : public TabSheet {
  Q_OBJECT
 public:
  explicit TabShleifs(T_Command_DEVICE& model, QWidget* parent = nullptr)
      : TabSheet(model, "Tab_Shleifs", parent) {}
};

}  // namespace kestrin
