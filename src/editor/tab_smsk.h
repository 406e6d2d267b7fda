#pragma once
#include "editor/tab_sheet.h"

namespace kestrin {

class TabSMSK : public TabSheet {
  Q_OBJECT
 public:
  explicit TabSMSK(T_Command_DEVICE& model, QWidget* parent = nullptr);
  // Builds the layout and hides the tab: this panel has no such channel.
  void Create() override;
};

}  // namespace kestrin
