#pragma once
#include "editor/tab_sheet.h"

namespace kestrin {

class TabSMSK : public TabSheet {
  Q_OBJECT
 public:
  explicit TabSMSK(T_Command_DEVICE& model, QWidget* parent = nullptr)
      : TabSheet(model, "Tab_SMSK", parent) {}
};

}  // namespace kestrin
