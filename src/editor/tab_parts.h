#pragma once
#include "editor/tab_sheet.h"

namespace kestrin {

class StringGrid;

// "Разделы": the exit delay of each partition.
class TabParts : public TabSheet {
  Q_OBJECT
 public:
  explicit TabParts(T_Command_DEVICE& model, QWidget* parent = nullptr);
  void Create() override;   // Create_Parts
  void Redraw() override;   // Redraw_Parts

  StringGrid* SG_Parts = nullptr;
  void Parts_SaveDelay(int partition, int seconds);
};

}  // namespace kestrin
