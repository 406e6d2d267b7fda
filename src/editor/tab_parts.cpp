#include "editor/tab_parts.h"

#include <QHeaderView>
#include <QPainter>
#include <QVBoxLayout>

#include "gui/widgets/focus_colours.h"
#include "editor/grid_editors.h"
#include "gui/widgets/hints.h"
#include "model/tab_rules.h"

namespace kestrin {

TabParts::TabParts(T_Command_DEVICE& model, QWidget* parent) : TabSheet(model, "Tab_Parts", parent) {
  auto* column = new QVBoxLayout(this);
  SG_Parts = new StringGrid(9, 2, "SG_Parts", this);
  SG_Parts->FixColumns({37, 698}, 22, 8);
  column->addWidget(SG_Parts, 0, Qt::AlignLeft);
  column->addStretch(1);
  SG_Parts->painter = [this](QPainter* p, const QRect& r, int col, int row, bool inUse) {
    p->fillRect(r, inUse ? SelectedRowColour() : WindowColour());
    p->setPen(palette().color(QPalette::WindowText));
    StringGrid::DrawCellText(p, r, SG_Parts->Cell(col, row), true);
  };
}

void TabParts::Create() {
  AssignHint(this, 400);
  SG_Parts->SetHeaderRow({"№", "Задержка на выход (секунды)"}, kPartitionCount);
  if (SG_Parts->ColumnEditors(1).empty()) {
    GridLineEdit* delay = SG_Create_DigitEdit(SG_Parts, 1);
    delay->setObjectName("SG_Parts_ME_Delay");
    delay->setMaxLength(3);
    AssignHint(delay, 410);
    // PARTS_SG_ME_Delay_Exit
    OnStore(delay, [this, delay](int partition) { Parts_SaveDelay(partition, EditedNumber(delay)); });
  }
  for (int p = 1; p <= kPartitionCount; ++p) SG_Edit_Enable(EditorKind::Digit, SG_Parts, p, 1);
}

void TabParts::Redraw() {
  for (int p = 1; p <= kPartitionCount; ++p) SG_Parts->SetCell(1, p, QString::number(Model().GetExitDelay(p)));
}

void TabParts::Parts_SaveDelay(int partition, int seconds) {
  SG_Parts->SetCell(1, partition, QString::number(seconds));
  Model().SetExitDelay(partition, seconds);
}

}  // namespace kestrin
