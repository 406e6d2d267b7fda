#pragma once
#include "editor/tab_sheet.h"

namespace kestrin {

class TabCommon : public TabSheet {
  Q_OBJECT
 public:
  explicit TabCommon(T_Command_DEVICE& model, QWidget* parent = nullptr)
      : TabSheet(model, "Tab_Common", parent) {}
};

}  // namespace kestrin
