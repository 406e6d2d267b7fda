#include "editor/tab_rele.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QPainter>
#include <QVBoxLayout>

#include "gui/widgets/focus_colours.h"
#include "editor/grid_editors.h"
#include "gui/widgets/hints.h"
#include "gui/widgets/qt_text.h"
#include "editor/tab_util.h"
#include "model/catalogues.h"

namespace kestrin {

TabRele::TabRele(T_Command_DEVICE& model, QWidget* parent) : TabSheet(model, "Tab_Rele", parent) {
  auto* column = new QVBoxLayout(this);
  SG_Reles = new StringGrid(5, 4, "SG_Reles", this);
  SG_Reles->FixColumns({37, 196, 174, 344}, 22, 4);
  column->addWidget(SG_Reles, 0, Qt::AlignLeft);
  SG_Reles->painter = TypeRowPainter(this, SG_Reles, [this](int relay) {
    return RgbColour(RELE_GetColorType(Model().GetRelayType(relay)));
  });

  CB_Rele_ActiveKTS = new QCheckBox(QStringLiteral("Активация реле при нарушении шлейфа КТС"), this);
  CB_Rele_ActiveKTS->setObjectName("CB_Rele_ActiveKTS");
  CB_Rele_ActiveTamper = new QCheckBox(QStringLiteral("Активация реле при нарушении тампера"), this);
  CB_Rele_ActiveTamper->setObjectName("CB_Rele_ActiveTamper");
  column->addWidget(CB_Rele_ActiveKTS, 0, Qt::AlignLeft);
  column->addWidget(CB_Rele_ActiveTamper, 0, Qt::AlignLeft);
  column->addStretch(1);
}

void TabRele::Create() {
  AssignHint(this, 600);
  AssignHint(SG_Reles, 610);
  AssignHint(CB_Rele_ActiveKTS, 621);
  AssignHint(CB_Rele_ActiveTamper, 622);
  SG_Reles->SetHeaderRow({"№", "Тип реле", "Время работы (сек.)", "Разделы"}, kRelayCount);

  if (!TypeEditor) {
    TypeEditor = SG_Create_ComboBox(SG_Reles, nullptr, 1);
    TypeEditor->setObjectName("RELE_SG_CB_Type");
    for (int k = 1; k <= kRelayTypePositions; ++k) TypeEditor->addItem(ToQ(RelayTypeText(RelayTypeCode(k))));
    AssignHint(TypeEditor, 611);
    // RELE_SG_CB_Type_Exit: nothing chosen leaves the relay as it is.
    OnChoice(TypeEditor, [this](int relay, int item) { Reles_SaveType(relay, RelayTypeCode(item + 1)); });

    TimeEditor = SG_Create_DigitEdit(SG_Reles, 2);
    TimeEditor->setObjectName("RELE_SG_ME_Delay");
    TimeEditor->setMaxLength(3);
    AssignHint(TimeEditor, 612);
    OnStore(TimeEditor, [this](int relay) { Reles_SaveDelay(relay, EditedNumber(TimeEditor)); });

    auto* list = SG_Create_ObjectList(SG_Reles, 3);
    PartsCheckList = SG_Create_CheckListBox(SG_Reles, list, 3);
    PartsCheckList->setObjectName("RELE_SG_CLB_Part");
    AssignHint(PartsCheckList, 613);
    OnStore(PartsCheckList, [this](int relay) { Reles_SaveParts(relay, PartsCheckList->Ticked()); });
    PartList = SG_Create_ComboBox(SG_Reles, list, 3);
    PartList->setObjectName("RELE_SG_CB_Part");
    for (int p = 1; p <= kPartitionCount; ++p) PartList->addItem(QString::number(p));
    AssignHint(PartList, 613);
    OnChoice(PartList, [this](int relay, int item) { Reles_SaveParts(relay, PartitionBit(item + 1)); });
  }
  if (!tracker_) {
    tracker_ = new EnterTracker(this);
    tracker_->Track(CB_Rele_ActiveKTS);
    tracker_->Track(CB_Rele_ActiveTamper);
  }
}

void TabRele::ShowRow(int relay, const RelayRow& row) {
  StringGrid* g = SG_Reles;
  g->SetCell(1, relay, ToQ(row.typeText));
  SG_Edit_Enable(EditorKind::List, g, relay, 1);
  g->SetCell(2, relay, ToQ(row.time));
  SG_Edit_Enable(row.timeEditable ? std::optional(EditorKind::Digit) : std::nullopt, g, relay, 2);
  g->SetCell(3, relay, ToQ(row.partitions));
  std::optional<EditorKind> parts;
  if (row.partEditor == RelayPartEditor::kCheckList) parts = EditorKind::CheckList;
  if (row.partEditor == RelayPartEditor::kList) parts = EditorKind::List;
  SG_Edit_Enable(parts, g, relay, 3);
  g->viewport()->update();
}

void TabRele::Redraw() {
  for (int r = 1; r <= kRelayCount; ++r) ShowRow(r, RelayRowOf(Model(), r));
  CB_Rele_ActiveKTS->setChecked(Model().GetPanicRelayEnabled());
  CB_Rele_ActiveTamper->setChecked(Model().GetTamperRelayEnabled());
}

void TabRele::UnLoad() {
  for (int r = 1; r <= kRelayCount; ++r) Reles_SaveType(r, Model().GetRelayType(r));
  FieldsInto(Model());
}

void TabRele::FieldsInto(T_Command_DEVICE& m) const {
  m.SetPanicRelayEnabled(CB_Rele_ActiveKTS->isChecked());
  m.SetTamperRelayEnabled(CB_Rele_ActiveTamper->isChecked());
}

void TabRele::Reles_SaveType(int relay, int type) { ShowRow(relay, kestrin::Reles_SaveType(Model(), relay, type)); }

// Time and partition saves touch their own column; the editors stay.
void TabRele::Reles_SaveDelay(int relay, int seconds) {
  SG_Reles->SetCell(2, relay, ToQ(kestrin::Reles_SaveDelay(Model(), relay, seconds).time));
}

void TabRele::Reles_SaveParts(int relay, PartitionSet set) {
  SG_Reles->SetCell(3, relay, ToQ(kestrin::Reles_SaveParts(Model(), relay, set).partitions));
}

}  // namespace kestrin
