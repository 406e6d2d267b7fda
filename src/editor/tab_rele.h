#pragma once
#include "editor/tab_sheet.h"

namespace kestrin {

class TabRele : public TabSheet {
  Q_OBJECT
 public:
  explicit TabRele(T_Command_DEVICE& model, QWidget* parent = nullptr)
      : TabSheet(model, "Tab_Rele", parent) {}
};

}  // namespace kestrin
