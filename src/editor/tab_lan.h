#pragma once
#include "editor/tab_sheet.h"

namespace kestrin {

class TabLAN : public TabSheet {
  Q_OBJECT
 public:
  explicit TabLAN(T_Command_DEVICE& model, QWidget* parent = nullptr)
      : TabSheet(model, "Tab_LAN", parent) {}
};

}  // namespace kestrin
