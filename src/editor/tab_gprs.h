#pragma once
#include "editor/tab_sheet.h"

namespace kestrin {

class TabGPRS : public TabSheet {
  Q_OBJECT
 public:
  explicit TabGPRS(T_Command_DEVICE& model, QWidget* parent = nullptr)
      : TabSheet(model, "Tab_GPRS", parent) {}
};

}  // namespace kestrin
