#include "editor/tab_shleifs.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "gui/widgets/focus_colours.h"
#include "editor/grid_editors.h"
#include "gui/widgets/hints.h"
#include "gui/widgets/qt_text.h"
#include "editor/tab_util.h"
#include "model/catalogues.h"

namespace kestrin {

TabShleifs::TabShleifs(T_Command_DEVICE& model, QWidget* parent) : TabSheet(model, "Tab_Shleifs", parent) {
  auto* column = new QVBoxLayout(this);
  SG_Shleifs = new StringGrid(9, 5, "SG_Shleifs", this);
  SG_Shleifs->FixColumns({37, 404, 134, 112, 67}, 22, 8);
  column->addWidget(SG_Shleifs, 0, Qt::AlignLeft);
  SG_Shleifs->painter = TypeRowPainter(this, SG_Shleifs, [this](int loop) {
    return RgbColour(SHL_GetColorType(Model().GetLoopType(loop)));
  });

  auto* row = new QHBoxLayout;
  auto* l1 = MakeLabel("L_Shleif_AlarmRepeat1", QStringLiteral("  Число повторов тревог по каждому шлейфу:"), this);
  auto* l2 = MakeLabel("L_Shleif_AlarmRepeat2", QString(), this);
  CB_Shleif_AlarmRepeat = new QComboBox(this);
  CB_Shleif_AlarmRepeat->setObjectName("CB_Shleif_AlarmRepeat");
  CB_Shleif_AlarmRepeat->addItem(QStringLiteral("Все"));
  for (int k = 1; k <= 9; ++k) CB_Shleif_AlarmRepeat->addItem(QString::number(k));
  l1->setBuddy(CB_Shleif_AlarmRepeat);
  row->addWidget(l1);
  row->addWidget(l2);
  row->addWidget(CB_Shleif_AlarmRepeat);
  row->addStretch(1);
  column->addLayout(row);
  column->addStretch(1);
}

void TabShleifs::Create() {
  AssignHint(this, 500);
  AssignHint(SG_Shleifs, 510);
  AssignHint(CB_Shleif_AlarmRepeat, 520);
  AssignHint(findChild<QWidget*>("L_Shleif_AlarmRepeat1"), 520);
  AssignHint(findChild<QWidget*>("L_Shleif_AlarmRepeat2"), 520);
  SG_Shleifs->SetHeaderRow({"№", "Тип шлейфа", "Задержка (сек.)", "Псевдоним", "Раздел"}, kLoopCount);

  if (!TypeEditor) {
    TypeEditor = SG_Create_ComboBox(SG_Shleifs, nullptr, 1);
    TypeEditor->setObjectName("SHL_SG_CB_Type");
    for (int k = 1; k <= kLoopTypePositions; ++k) TypeEditor->addItem(ToQ(LoopTypeText(LoopTypeCode(k))));
    AssignHint(TypeEditor, 511);
    // SHL_SG_CB_Type_Exit: nothing chosen leaves the loop as it is.
    OnChoice(TypeEditor, [this](int loop, int item) { Shleifs_SaveType(loop, LoopTypeCode(item + 1)); });

    DelayEditor = SG_Create_DigitEdit(SG_Shleifs, 2);
    DelayEditor->setObjectName("SHL_SG_ME_Delay");
    DelayEditor->setMaxLength(3);
    AssignHint(DelayEditor, 512);
    OnStore(DelayEditor, [this](int loop) { Shleifs_SaveDelay(loop, EditedNumber(DelayEditor)); });

    NameEditor = SG_Create_TextEdit(SG_Shleifs, 3);
    NameEditor->setObjectName("SHL_SG_ME_Name");
    NameEditor->setMaxLength(8);
    AssignHint(NameEditor, 513);
    OnStore(NameEditor, [this](int loop) { Shleifs_SaveName(loop, NameEditor->text()); });

    PartEditor = SG_Create_ComboBox(SG_Shleifs, nullptr, 4);
    PartEditor->setObjectName("SHL_SG_CB_Part");
    for (int p = 1; p <= kPartitionCount; ++p) PartEditor->addItem(QString::number(p));
    AssignHint(PartEditor, 514);
    OnChoice(PartEditor, [this](int loop, int item) { Shleifs_SavePart(loop, item + 1); });
  }
  if (!tracker_) {
    tracker_ = new EnterTracker(this);
    tracker_->Track(CB_Shleif_AlarmRepeat, {findChild<QWidget*>("L_Shleif_AlarmRepeat1"),
                                            findChild<QWidget*>("L_Shleif_AlarmRepeat2")});
  }
}

void TabShleifs::ShowRow(int loop, const LoopRow& row) {
  StringGrid* g = SG_Shleifs;
  g->SetCell(1, loop, ToQ(row.typeText));
  SG_Edit_Enable(EditorKind::List, g, loop, 1);
  g->SetCell(2, loop, ToQ(row.delay));
  SG_Edit_Enable(row.delayEditable ? std::optional(EditorKind::Digit) : std::nullopt, g, loop, 2);
  g->SetCell(3, loop, ToQ(row.name));
  SG_Edit_Enable(EditorKind::Text, g, loop, 3);
  g->SetCell(4, loop, ToQ(row.partition));
  SG_Edit_Enable(row.partitionEditable ? std::optional(EditorKind::List) : std::nullopt, g, loop, 4);
  // The whole row takes its type's colour.
  g->viewport()->update();
}

void TabShleifs::Redraw() {
  for (int l = 1; l <= kLoopCount; ++l) ShowRow(l, LoopRowForRedraw(Model(), l));
  CB_Shleif_AlarmRepeat->setCurrentIndex(AlarmRepeatIndex(Model().GetAlarmRepeats()));
}

void TabShleifs::UnLoad() {
  for (int l = 1; l <= kLoopCount; ++l) Shleifs_SaveType(l, Model().GetLoopType(l));
  FieldsInto(Model());
}

void TabShleifs::FieldsInto(T_Command_DEVICE& m) const {
  m.SetAlarmRepeats(CB_Shleif_AlarmRepeat->currentIndex() < 0 ? 0 : CB_Shleif_AlarmRepeat->currentIndex());
}

void TabShleifs::Shleifs_SaveType(int loop, int type) { ShowRow(loop, kestrin::Shleifs_SaveType(Model(), loop, type)); }

// The saves below touch their own column only; editors stay as they are.
void TabShleifs::Shleifs_SaveDelay(int loop, int seconds) {
  SG_Shleifs->SetCell(2, loop, ToQ(kestrin::Shleifs_SaveDelay(Model(), loop, seconds).delay));
}

void TabShleifs::Shleifs_SavePart(int loop, int partition) {
  SG_Shleifs->SetCell(4, loop, ToQ(kestrin::Shleifs_SavePart(Model(), loop, partition).partition));
}

void TabShleifs::Shleifs_SaveName(int loop, const QString& name) {
  SG_Shleifs->SetCell(3, loop, ToQ(kestrin::Shleifs_SaveName(Model(), loop, FromQ(name)).name));
}

}  // namespace kestrin
