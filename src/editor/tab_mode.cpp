#include "editor/tab_mode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>

#include "gui/widgets/hints.h"
#include "gui/widgets/input_filter_qt.h"
#include "editor/tab_common.h"
#include "editor/tab_util.h"
#include "model/tab_rules.h"

namespace kestrin {

namespace {
QCheckBox* MakeCheck(const char* name, const QString& text, QWidget* parent) {
  auto* c = new QCheckBox(text, parent);
  c->setObjectName(name);
  return c;
}
QComboBox* MakeCombo(const char* name, const QStringList& items, QWidget* parent) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  c->addItems(items);
  return c;
}
}  // namespace

TabMode::TabMode(T_Command_DEVICE& model, QWidget* parent) : TabSheet(model, "Tab_Mode", parent) {
  auto* column = new QVBoxLayout(this);

  auto* sim = new QGroupBox(QStringLiteral("Режим выбора SIM-карты "), this);
  sim->setObjectName("GB_Mode_ModeSIM");
  auto* sl = new QVBoxLayout(sim);
  const char* simNames[] = {"RB_Mode_SIM1", "RB_Mode_SIM2", "RB_Mode_SIMAuto", "RB_Mode_SIMBoth"};
  const char* simTexts[] = {"только SIM1", "только SIM2", "автоматический выбор", "поочерёдно"};
  for (int i = 0; i < 4; ++i) sl->addWidget(MakeCheck(simNames[i], QString::fromUtf8(simTexts[i]), sim));
  column->addWidget(sim);

  GB_Mode_GuardDevice = new QGroupBox(QStringLiteral("Режимы функционирования охранного прибора"), this);
  GB_Mode_GuardDevice->setObjectName("GB_Mode_GuardDevice");
  auto* gl = new QGridLayout(GB_Mode_GuardDevice);
  CB_Mode_UnlockMode = MakeCheck("CB_Mode_UnlockMode",
                                 QStringLiteral("При снятии сначала выполняется сброс пожарных шлейфов и сирены"),
                                 GB_Mode_GuardDevice);
  CB_Mode_EnterEnable = MakeCheck(
      "CB_Mode_EnterEnable", QStringLiteral("Формировать сообщение \"ВХОД\" при нарушении шлейфа с задержкой"),
      GB_Mode_GuardDevice);
  auto* exitLabel = MakeLabel("L_Mode_ExitDelay1", QStringLiteral("Задержка на выход (1..180):              сек."),
                              GB_Mode_GuardDevice);
  auto* exitEdit = new QLineEdit(GB_Mode_GuardDevice);
  exitEdit->setObjectName("E_Mode_ExitDelay");
  exitEdit->setMaxLength(3);
  exitLabel->setBuddy(exitEdit);
  auto* exitUd = new UpDown(exitEdit, 1, 180, "UD_Mode_ExitDelay", GB_Mode_GuardDevice);
  CB_Mode_LockNoIP = MakeCheck("CB_Mode_LockNoIP", QStringLiteral("Запрет постановки без связи"), GB_Mode_GuardDevice);
  gl->addWidget(CB_Mode_UnlockMode, 0, 0, 1, 3);
  gl->addWidget(CB_Mode_EnterEnable, 1, 0, 1, 3);
  gl->addWidget(exitLabel, 2, 0);
  gl->addWidget(exitEdit, 2, 1);
  gl->addWidget(exitUd, 2, 2);
  gl->addWidget(CB_Mode_LockNoIP, 3, 0, 1, 3);
  gl->setColumnStretch(3, 1);
  column->addWidget(GB_Mode_GuardDevice);

  GB_Mode_Common = new QGroupBox(QStringLiteral("Общие режимы"), this);
  GB_Mode_Common->setObjectName("GB_Mode_Common");
  auto* cl = new QGridLayout(GB_Mode_Common);
  CB_Mode_LogEnable = MakeCheck("CB_Mode_LogEnable", QStringLiteral("разрешено ведение LOG-файла"), GB_Mode_Common);
  cl->addWidget(CB_Mode_LogEnable, 0, 0, 1, 4);
  auto* ipLabel = MakeLabel("L_Mode_MasterIP1", QStringLiteral("Ведущий IP-канал"), GB_Mode_Common);
  auto* ipCombo = MakeCombo("CB_Mode_MasterIP", {QStringLiteral("Ethernet"), QStringLiteral("GPRS")}, GB_Mode_Common);
  auto* ipLabel2 = MakeLabel("L_Mode_MasterIP2", QStringLiteral(":"), GB_Mode_Common);
  ipLabel->setBuddy(ipCombo);
  cl->addWidget(ipLabel, 1, 0);
  cl->addWidget(ipLabel2, 1, 1);
  cl->addWidget(ipCombo, 1, 2);
  // The accelerometer row takes the place of the leading-channel row.
  auto* accel1 = MakeLabel("L_Mode_Accel1", QStringLiteral("Датчик удара/наклона"), GB_Mode_Common);
  TB_Mode_Accel = new QSlider(Qt::Horizontal, GB_Mode_Common);
  TB_Mode_Accel->setObjectName("TB_Mode_Accel");
  TB_Mode_Accel->setRange(0, kAccelSensitivityMax);
  TB_Mode_Accel->setSingleStep(1);
  TB_Mode_Accel->setPageStep(1);
  TB_Mode_Accel->setTickPosition(QSlider::TicksBelow);
  TB_Mode_Accel->setTickInterval(1);
  TB_Mode_Accel->setFixedWidth(150);
  accel1->setBuddy(TB_Mode_Accel);
  L_Mode_Accel2 = MakeLabel("L_Mode_Accel2", QStringLiteral(" (0)"), GB_Mode_Common);
  cl->addWidget(accel1, 2, 0);
  cl->addWidget(TB_Mode_Accel, 2, 2);
  cl->addWidget(L_Mode_Accel2, 2, 3);
  auto* power1 = MakeLabel("L_Mode_PowerOffMode1", QString(), GB_Mode_Common);
  auto* power2 = MakeLabel("L_Mode_PowerOffMode2",
                           QStringLiteral("Тип подключения входа \"резерв\"        :"), GB_Mode_Common);
  CB_Mode_PowerOffMode = MakeCombo(
      "CB_Mode_PowerOffMode", {QStringLiteral("нормально разомкнутый"), QStringLiteral("нормально замкнутый")},
      GB_Mode_Common);
  power2->setBuddy(CB_Mode_PowerOffMode);
  cl->addWidget(power2, 3, 0);
  cl->addWidget(power1, 3, 1);
  cl->addWidget(CB_Mode_PowerOffMode, 3, 2, 1, 2, Qt::AlignLeft);
  auto* sms1 = MakeLabel("L_Mode_SMSRule1", QStringLiteral("Управление по SMS"), GB_Mode_Common);
  auto* sms2 = MakeLabel("L_Mode_SMSRule2", QStringLiteral(":"), GB_Mode_Common);
  auto* smsCombo = MakeCombo("CB_Mode_SMSRule",
                             {QStringLiteral("запрещено"), QStringLiteral("только постановка/снятие"),
                              QStringLiteral("полное управление")},
                             GB_Mode_Common);
  sms1->setBuddy(smsCombo);
  cl->addWidget(sms1, 4, 0);
  cl->addWidget(sms2, 4, 1);
  cl->addWidget(smsCombo, 4, 2);
  cl->setColumnStretch(4, 1);
  column->addWidget(GB_Mode_Common);

  auto* conv = new QGroupBox(QStringLiteral("Режимы функционирования конвертора"), this);
  conv->setObjectName("GB_Mode_KonvertDevice");
  auto* vl = new QGridLayout(conv);
  vl->addWidget(MakeCombo("CB_Mode_DevMode",
                          {QStringLiteral("не выбран"), QStringLiteral("18кГц"), QStringLiteral("ContactID")}, conv),
                0, 0);
  vl->addWidget(MakeCombo("CB_Mode_Type18kHz",
                          {QStringLiteral("Кестрин"), QStringLiteral("Вермон (Сорел-3/6, Вермон-3)")}, conv),
                0, 1);
  column->addWidget(conv);
  column->addStretch(1);

  connect(TB_Mode_Accel, &QSlider::valueChanged, this, [this] { TB_Mode_AccelChange(); });
  // CB_Mode_LockNoIPClick: the state to restore when the box is enabled again.
  connect(CB_Mode_LockNoIP, &QCheckBox::clicked, this, [this](bool on) { lockNoIPState_ = on; });
}

void TabMode::Create() {
  AssignHint(this, 200);
  auto hint = [this](const char* name, int n) {
    if (auto* w = findChild<QWidget*>(name)) AssignHint(w, n);
  };
  hint("GB_Mode_ModeSIM", 210);
  hint("RB_Mode_SIM1", 211);
  hint("RB_Mode_SIM2", 212);
  hint("RB_Mode_SIMAuto", 213);
  hint("RB_Mode_SIMBoth", 214);
  AssignHint(GB_Mode_GuardDevice, 220);
  AssignHint(CB_Mode_UnlockMode, 221);
  AssignHint(CB_Mode_EnterEnable, 222);
  hint("L_Mode_ExitDelay1", 223);
  hint("E_Mode_ExitDelay", 223);
  hint("UD_Mode_ExitDelay", 223);
  AssignHint(CB_Mode_LockNoIP, 224);
  AssignHint(GB_Mode_Common, 230);
  AssignHint(CB_Mode_LogEnable, 231);
  hint("L_Mode_Accel1", 232);
  AssignHint(TB_Mode_Accel, 232);
  AssignHint(L_Mode_Accel2, 232);
  hint("L_Mode_MasterIP1", 233);
  hint("CB_Mode_MasterIP", 233);
  hint("L_Mode_PowerOffMode2", 234);
  AssignHint(CB_Mode_PowerOffMode, 234);
  hint("L_Mode_SMSRule1", 235);
  hint("CB_Mode_SMSRule", 235);
  hint("GB_Mode_KonvertDevice", 240);
  hint("CB_Mode_DevMode", 241);
  hint("CB_Mode_Type18kHz", 242);

  if (auto* e = findChild<QLineEdit*>("E_Mode_ExitDelay")) InstallChangeFilter(e, InputFilter::Digital);
  HideOwnTab(this);
  const char* hidden[] = {"CB_Mode_SMSRule",   "L_Mode_SMSRule1",  "L_Mode_SMSRule2",  "GB_Mode_KonvertDevice",
                          "E_Mode_ExitDelay",  "UD_Mode_ExitDelay", "L_Mode_ExitDelay1", "GB_Mode_ModeSIM",
                          "L_Mode_MasterIP1",  "L_Mode_MasterIP2", "CB_Mode_MasterIP"};
  for (const char* name : hidden)
    if (auto* w = findChild<QWidget*>(name)) w->hide();
  CB_Mode_LockNoIP->setText(QStringLiteral("Запрещена постановка на охрану при отсутствии связи с УТ"));

  if (!tracker_) {
    tracker_ = new EnterTracker(this);
    for (QWidget* w : std::initializer_list<QWidget*>{CB_Mode_UnlockMode, CB_Mode_EnterEnable, CB_Mode_LockNoIP,
                                                      CB_Mode_LogEnable, TB_Mode_Accel})
      tracker_->Track(w);
    tracker_->Track(CB_Mode_PowerOffMode,
                    {findChild<QWidget*>("L_Mode_PowerOffMode1"), findChild<QWidget*>("L_Mode_PowerOffMode2")});
  }
  // The two groups go to "Общие" when that tab is already beside this one.
  if (parentWidget()) {
    for (QObject* sibling : parentWidget()->children()) {
      if (auto* common = qobject_cast<TabCommon*>(sibling)) common->AdoptModeGroups(*this);
    }
  }
}

void TabMode::TB_Mode_AccelChange() { L_Mode_Accel2->setText(QStringLiteral(" (%1)").arg(TB_Mode_Accel->value())); }

void TabMode::Redraw() {
  T_Command_DEVICE& m = Model();
  CB_Mode_UnlockMode->setChecked(m.GetKeyDisarmMode());
  CB_Mode_EnterEnable->setChecked(m.GetEntryMessageEnabled());
  CB_Mode_LockNoIP->setChecked(m.GetArmWithoutGprs());
  CB_Mode_LockNoIP->setEnabled(true);
  lockNoIPState_ = CB_Mode_LockNoIP->isChecked();
  CB_Mode_LogEnable->setChecked(m.GetLogFileEnabled());
  CB_Mode_PowerOffMode->setCurrentIndex(m.GetBackupSignalMethod() == 1 ? 1 : 0);
  TB_Mode_Accel->setValue(m.GetAccelSensitivity());
  TB_Mode_AccelChange();
}

void TabMode::FieldsInto(T_Command_DEVICE& m) const {
  m.SetKeyDisarmMode(CB_Mode_UnlockMode->isChecked());
  m.SetEntryMessageEnabled(CB_Mode_EnterEnable->isChecked());
  m.SetArmWithoutGprs(CB_Mode_LockNoIP->isChecked());
  m.SetLogFileEnabled(CB_Mode_LogEnable->isChecked());
  m.SetBackupSignalMethod(CB_Mode_PowerOffMode->currentIndex());
  m.SetAccelSensitivity(TB_Mode_Accel->value());
}

}  // namespace kestrin
