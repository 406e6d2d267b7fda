#pragma once
#include "editor/tab_sheet.h"

namespace kestrin {

class TabGSM : public TabSheet {
  Q_OBJECT
 public:
  explicit TabGSM(T_Command_DEVICE& model, QWidget* parent = nullptr)
      : TabSheet(model, "Tab_GSM", parent) {}
};

}  // namespace kestrin
