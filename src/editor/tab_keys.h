#pragma once
#include "editor/tab_sheet.h"

namespace kestrin {

class TabKeys : public TabSheet {
  Q_OBJECT
 public:
  explicit TabKeys(T_Command_DEVICE& model, QWidget* parent = nullptr)
      : TabSheet(model, "Tab_Keys", parent) {}
};

}  // namespace kestrin
