#include "editor/tab_indic.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSlider>
#include <QVBoxLayout>

#include "gui/widgets/focus_colours.h"
#include "editor/grid_editors.h"
#include "editor/siren_cell.h"
#include "gui/widgets/hints.h"
#include "gui/widgets/input_filter_qt.h"
#include "gui/widgets/qt_text.h"
#include "editor/tab_util.h"
#include "model/tab_rules.h"

namespace kestrin {

namespace {

// The siren's one-cell grid: a left click on its cell (pressed and released
// there), a double click or Enter opens the partition list; every other key
// is swallowed.
class OneCellGrid : public StringGrid {
 public:
  OneCellGrid(const QString& name, QWidget* parent) : StringGrid(2, 1, name, parent) {
    horizontalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedSize(401, 23);
    setColumnWidth(0, 401 - 2 * frameWidth());
    setRowHeight(0, 23 - 2 * frameWidth());
  }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    e->accept();
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) OpenCell();
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    QTableView::mouseDoubleClickEvent(e);
    if (OnCell(e)) OpenCell();
  }
  void mousePressEvent(QMouseEvent* e) override {
    StringGrid::mousePressEvent(e);
    pressedOnCell_ = e->button() == Qt::LeftButton && OnCell(e);
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    StringGrid::mouseReleaseEvent(e);
    const bool click = pressedOnCell_ && e->button() == Qt::LeftButton && OnCell(e);
    pressedOnCell_ = false;
    if (click) OpenCell();
  }

 private:
  void OpenCell() {
    SetCurrent(0, 1);  // the only cell
    edit(currentIndex());
  }
  bool OnCell(const QMouseEvent* e) const { return indexAt(e->position().toPoint()).isValid(); }
  bool pressedOnCell_ = false;
};

QLineEdit* NumberField(const QString& name, QWidget* parent) {
  auto* e = new QLineEdit(QStringLiteral("999"), parent);
  e->setObjectName(name);
  e->setMaxLength(3);
  e->setFixedWidth(QFontMetrics(e->font()).horizontalAdvance(QStringLiteral("0000")) + 10);
  return e;
}

QSlider* TrackBar(const char* name, int max, QWidget* parent) {
  auto* t = new QSlider(Qt::Horizontal, parent);
  t->setObjectName(name);
  t->setRange(0, max);
  t->setSingleStep(1);
  t->setPageStep(1);
  t->setTickInterval(1);
  t->setTickPosition(QSlider::TicksBelow);
  t->setFixedWidth(150);
  return t;
}

// One "caption : field up-down  секунд" row of the group; the labels are
// named <prefix>_1, _2 and _3 as the layout names them.
void AddSecondsRow(QGridLayout* g, int row, const QString& prefix, const QString& caption, int min,
                   int max, QWidget* group, QLineEdit*& edit, UpDown*& upDown) {
  auto* caption1 = MakeLabel(prefix + "_1", caption, group);
  edit = NumberField("E" + prefix.mid(1), group);
  upDown = new UpDown(edit, min, max, "UD" + prefix.mid(1), group);
  caption1->setBuddy(edit);
  g->addWidget(caption1, row, 0);
  g->addWidget(MakeLabel(prefix + "_2", QStringLiteral(":"), group), row, 1);
  g->addWidget(edit, row, 2);
  g->addWidget(upDown, row, 3);
  g->addWidget(MakeLabel(prefix + "_3", QStringLiteral(" секунд"), group), row, 4);
}

}  // namespace

TabIndic::TabIndic(T_Command_DEVICE& model, QWidget* parent) : TabSheet(model, "Tab_Indic", parent) {
  auto* column = new QVBoxLayout(this);

  auto* duty = new QGroupBox(QStringLiteral("Параметры формирования сообщения \"Дежурный режим\" "), this);
  duty->setObjectName("GB_Indic_DutyMode");
  auto* dl = new QGridLayout(duty);
  auto* dutyActive = new QCheckBox(QStringLiteral("Формировать сообщение \"Дежурный режим\""), duty);
  dutyActive->setObjectName("CB_Indic_DutyActive");
  auto* dutyDelay = NumberField("E_Indic_DutyDelay", duty);
  dl->addWidget(dutyActive, 0, 0);
  dl->addWidget(MakeLabel("L_Indic_DutyDelay_1", QStringLiteral("Период (1..48 ч)"), duty), 1, 0);
  dl->addWidget(dutyDelay, 1, 1);
  dl->addWidget(new UpDown(dutyDelay, 1, 48, "UD_Indic_DutyDelay", duty), 1, 2);
  column->addWidget(duty);

  auto* group = new QGroupBox(QStringLiteral("Индикация и сигнализация "), this);
  group->setObjectName("GB_Indic_SignalAndInd");
  auto* g = new QGridLayout(group);
  g->setHorizontalSpacing(4);

  AddSecondsRow(g, 0, QStringLiteral("L_Indic_ExtIndic"),
                QStringLiteral("Время работы выносного индикатора  (1..999 )"), 1, 999, group,
                E_Indic_ExtIndic, UD_Indic_ExtIndic);

  auto* zone1 = MakeLabel("L_Indic_Zone1", QStringLiteral("Привязка выносного индикатора к разделам"), group);
  auto* zone3 = MakeLabel("L_Indic_Zone3", QStringLiteral(":"), group);
  CB_Indic_Zone = new QComboBox(group);
  CB_Indic_Zone->setObjectName("CB_Indic_Zone");
  CB_Indic_Zone->addItem(QStringLiteral("нет раздела"));
  zone1->setBuddy(CB_Indic_Zone);
  g->addWidget(zone1, 1, 0);
  g->addWidget(zone3, 1, 1);
  g->addWidget(CB_Indic_Zone, 1, 2, 1, 3, Qt::AlignLeft);

  auto* zum1 = MakeLabel("L_Indic_IntZummer_1", QStringLiteral("Уровень громкости встроенного зуммера (0..4)"), group);
  TB_Indic_IntZummer = TrackBar("TB_Indic_IntZummer", kBuzzerVolumeMax, group);
  L_Indic_IntZummer_3 = MakeLabel("L_Indic_IntZummer_3", QStringLiteral(" (0)"), group);
  zum1->setBuddy(TB_Indic_IntZummer);
  g->addWidget(zum1, 2, 0);
  g->addWidget(MakeLabel("L_Indic_IntZummer_2", QStringLiteral(":"), group), 2, 1);
  auto* zumRow = new QHBoxLayout;
  zumRow->addWidget(TB_Indic_IntZummer);
  zumRow->addWidget(L_Indic_IntZummer_3);
  zumRow->addStretch(1);
  g->addLayout(zumRow, 2, 2, 1, 3);

  auto* extZumm = new QCheckBox(group);
  extZumm->setObjectName("CB_Indic_ExtZumm");
  auto* extZumm1 = MakeLabel("L_Indic_ExtZumm_1", QStringLiteral("Внешний зуммер включен"), group);
  auto* extZumm2 = MakeLabel("L_Indic_ExtZumm_2", QStringLiteral(":"), group);
  g->addWidget(extZumm1, 3, 0);
  g->addWidget(extZumm2, 3, 1);
  g->addWidget(extZumm, 3, 2);

  AddSecondsRow(g, 4, QStringLiteral("L_Indic_Sirena"),
                QStringLiteral("Время работы сирены (1..999,  0 - выключена)"), 0, 999, group,
                E_Indic_Sirena, UD_Indic_Sirena);

  auto* parts = MakeLabel("L_Indic_Sirena_Parts", QStringLiteral("Привязка сирены к разделам          :"), group);
  SG_Indic_Sirena_Parts = new OneCellGrid("SG_Indic_Sirena_Parts", group);
  sirenParts_ = new SirenPartsModel(Model(), SG_Indic_Sirena_Parts);
  SG_Indic_Sirena_Parts->UseModel(sirenParts_);
  sirenDelegate_ = new SirenPartsDelegate(SG_Indic_Sirena_Parts);
  SG_Indic_Sirena_Parts->setItemDelegate(sirenDelegate_);
  parts->setBuddy(SG_Indic_Sirena_Parts);
  g->addWidget(parts, 5, 0, 1, 2);
  g->addWidget(SG_Indic_Sirena_Parts, 5, 2, 1, 4, Qt::AlignLeft);
  g->setColumnStretch(5, 1);
  column->addWidget(group);
  column->addStretch(1);

  connect(TB_Indic_IntZummer, &QSlider::valueChanged, this, [this](int v) {
    L_Indic_IntZummer_3->setText(QStringLiteral(" (%1)").arg(v));  // TB_Indic_IntZummerChange
  });
  // E_Indic_ZoneChange: the choice is stored at once.
  connect(CB_Indic_Zone, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int i) {
    if (i >= 0) Model().SetIndicatorPartition(i);
  });
}

void TabIndic::Create() {
  AssignHint(this, 300);
  auto hint = [this](const char* name, int n) {
    if (auto* w = findChild<QWidget*>(name)) AssignHint(w, n);
  };
  hint("GB_Indic_DutyMode", 310);
  hint("CB_Indic_DutyActive", 311);
  hint("E_Indic_DutyDelay", 312);
  hint("UD_Indic_DutyDelay", 312);
  hint("GB_Indic_SignalAndInd", 320);
  for (const char* n : {"L_Indic_ExtIndic_1", "L_Indic_ExtIndic_2", "E_Indic_ExtIndic", "UD_Indic_ExtIndic",
                        "L_Indic_ExtIndic_3"})
    hint(n, 321);
  for (const char* n : {"L_Indic_Zone1", "L_Indic_Zone3", "CB_Indic_Zone"}) hint(n, 322);
  for (const char* n : {"L_Indic_IntZummer_1", "L_Indic_IntZummer_2", "TB_Indic_IntZummer", "L_Indic_IntZummer_3"})
    hint(n, 333);
  for (const char* n : {"CB_Indic_ExtZumm", "L_Indic_ExtZumm_1", "L_Indic_ExtZumm_2"}) hint(n, 334);
  hint("L_Indic_Sirena_Parts", 335);
  hint("SG_Indic_Sirena_Parts", 335);
  for (const char* n : {"L_Indic_Sirena_1", "L_Indic_Sirena_2", "E_Indic_Sirena", "UD_Indic_Sirena",
                        "L_Indic_Sirena_3"})
    hint(n, 336);

  // Duty messages and the external buzzer belong to other panel models.
  findChild<QWidget*>("GB_Indic_DutyMode")->hide();
  for (const char* n : {"CB_Indic_ExtZumm", "L_Indic_ExtZumm_1", "L_Indic_ExtZumm_2"}) findChild<QWidget*>(n)->hide();

  InstallChangeFilter(E_Indic_ExtIndic, InputFilter::Digital);
  InstallChangeFilter(E_Indic_Sirena, InputFilter::Digital);

  if (CB_Indic_Zone->count() != 9) {
    const QSignalBlocker block(CB_Indic_Zone);
    CB_Indic_Zone->clear();
    CB_Indic_Zone->addItem(QStringLiteral("нет раздела"));
    for (int p = 1; p <= kPartitionCount; ++p) CB_Indic_Zone->addItem(QStringLiteral("раздел %1").arg(p));
  }

  if (!SirenPartsList) {
    SirenPartsList = new GridCheckList(SG_Indic_Sirena_Parts, 8, QStringLiteral("Раздел "));
    SirenPartsList->setObjectName("CLB_Indic_Sirena_Parts");
    SirenPartsList->SetColumns(3);
    // The list belongs to the tab sheet, so it may reach below the group.
    SirenPartsList->setParent(this);
    SirenPartsList->hide();
    AssignHint(SirenPartsList, 335);
    sirenDelegate_->SetList(SirenPartsList);
  }

  if (!tracker_) {
    tracker_ = new EnterTracker(this);
    tracker_->Track(E_Indic_ExtIndic);
    tracker_->Track(E_Indic_Sirena);
    tracker_->Track(TB_Indic_IntZummer);
    tracker_->Track(CB_Indic_Zone, {findChild<QWidget*>("L_Indic_Zone1"), findChild<QWidget*>("L_Indic_Zone3")});
  }
}

void TabIndic::Redraw() {
  const T_Command_DEVICE& m = Model();
  E_Indic_ExtIndic->setText(QString::number(m.GetIndicatorTime()));
  UD_Indic_ExtIndic->SetPosition(m.GetIndicatorTime());
  {
    const QSignalBlocker block(CB_Indic_Zone);
    const int zone = m.GetIndicatorPartition();
    CB_Indic_Zone->setCurrentIndex(zone >= 0 && zone < CB_Indic_Zone->count() ? zone : -1);
  }
  TB_Indic_IntZummer->setValue(m.GetBuzzerVolume());
  L_Indic_IntZummer_3->setText(QStringLiteral(" (%1)").arg(m.GetBuzzerVolume()));
  E_Indic_Sirena->setText(QString::number(m.GetSirenTime()));
  UD_Indic_Sirena->SetPosition(m.GetSirenTime());
  sirenParts_->Refresh();
}

void TabIndic::FieldsInto(T_Command_DEVICE& m) const {
  m.SetIndicatorTime(FieldNumber(FromQ(E_Indic_ExtIndic->text())));
  // No item chosen keeps the stored partition rather than writing -1.
  if (CB_Indic_Zone->currentIndex() >= 0) m.SetIndicatorPartition(CB_Indic_Zone->currentIndex());
  m.SetBuzzerVolume(TB_Indic_IntZummer->value());
  m.SetSirenTime(FieldNumber(FromQ(E_Indic_Sirena->text())));
}

}  // namespace kestrin
