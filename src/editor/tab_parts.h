#pragma once
#include "editor/tab_sheet.h"

namespace kestrin {

class TabParts : public TabSheet {
  Q_OBJECT
 public:
  explicit TabParts(T_Command_DEVICE& model, QWidget* parent = nullptr)
      : TabSheet(model, "Tab_Parts", parent) {}
};

}  // namespace kestrin
