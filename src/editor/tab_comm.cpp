// The communication tabs of other panel models of the family. They are built
// so the window's layout is complete, hidden at set-up and never read.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/grid_editors.h"
#include "gui/widgets/hints.h"
#include "gui/widgets/input_filter_qt.h"
#include "editor/tab_gprs.h"
#include "editor/tab_gsm.h"
#include "editor/tab_lan.h"
#include "editor/tab_pk4.h"
#include "editor/tab_sms.h"
#include "editor/tab_smsk.h"
#include "editor/tab_util.h"

namespace kestrin {

namespace {

QLineEdit* Edit(const QString& name, int maxLen, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  if (maxLen > 0) e->setMaxLength(maxLen);
  return e;
}

StringGrid* CommGrid(const char* name, std::initializer_list<int> widths, QWidget* parent) {
  auto* g = new StringGrid(10, static_cast<int>(widths.size()), name, parent);
  g->SetColumnWidths(widths, 22);
  g->SetHeaderRow({"№"}, 9);
  return g;
}

void Radio(QGroupBox* box, std::initializer_list<const char*> texts) {
  auto* l = new QVBoxLayout(box);
  for (const char* t : texts) l->addWidget(new QRadioButton(QString::fromUtf8(t), box));
}

// Address rows "№1:".."№3:" with IP/DNS choice, address and port.
void ServerRows(QGridLayout* g, int firstRow, const QString& prefix, QWidget* parent) {
  for (int i = 1; i <= 3; ++i) {
    const int r = firstRow + i - 1;
    g->addWidget(MakeLabel(QString(), QStringLiteral("№%1:").arg(i), parent), r, 0);
    auto* ip = new QRadioButton(QStringLiteral("IP"), parent);
    ip->setObjectName(QStringLiteral("RB_%1_IP%2").arg(prefix).arg(i));
    auto* dns = new QRadioButton(QStringLiteral("DNS"), parent);
    dns->setObjectName(QStringLiteral("RB_%1_DNS%2").arg(prefix).arg(i));
    g->addWidget(ip, r, 1);
    g->addWidget(dns, r, 2);
    g->addWidget(Edit(QStringLiteral("E_%1_IP%2").arg(prefix).arg(i), 15, parent), r, 3);
    g->addWidget(Edit(QStringLiteral("E_%1_DNS%2").arg(prefix).arg(i), 32, parent), r, 4);
    g->addWidget(Edit(QStringLiteral("E_%1_Port%2").arg(prefix).arg(i), 5, parent), r, 5);
  }
}

}  // namespace

TabSMS::TabSMS(T_Command_DEVICE& model, QWidget* parent) : TabSheet(model, "Tab_SMS", parent) {
  auto* column = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* name = Edit("E_SMS_Name", 10, this);
  auto* label = MakeLabel("L_SMS_Name", QStringLiteral("Псевдоним :"), this);
  label->setBuddy(name);
  row->addWidget(label);
  row->addWidget(name);
  row->addStretch(1);
  column->addLayout(row);
  auto* coding = new QGroupBox(QStringLiteral("Кодировка SMS"), this);
  coding->setObjectName("GB_SMS_Coding");
  Radio(coding, {"\"транслит\"", "\"кириллица\""});
  auto* mode = new QGroupBox(QStringLiteral("Режим отправки SMS"), this);
  mode->setObjectName("GB_SMS_Mode");
  Radio(mode, {"дублирование GPRS/CSD", "резервирование GPRS/CSD"});
  column->addWidget(coding);
  column->addWidget(mode);
  column->addWidget(CommGrid("SG_SMS", {37, 198, 522}, this));
}

void TabSMS::Create() {
  AssignHint(this, 800);
  AssignHint(findChild<QWidget*>("E_SMS_Name"), 801);
  AssignHint(findChild<QWidget*>("GB_SMS_Coding"), 810);
  AssignHint(findChild<QWidget*>("GB_SMS_Mode"), 820);
  AssignHint(findChild<QWidget*>("SG_SMS"), 830);
  InstallKeyFilter(findChild<QLineEdit*>("E_SMS_Name"), InputFilter::Text);
  HideOwnTab(this);
}

TabSMSK::TabSMSK(T_Command_DEVICE& model, QWidget* parent) : TabSheet(model, "Tab_SMSK", parent) {
  auto* column = new QVBoxLayout(this);
  column->addWidget(CommGrid("SG_SMSK", {37, 203, 517}, this));
}

void TabSMSK::Create() {
  AssignHint(this, 900);
  AssignHint(findChild<QWidget*>("SG_SMSK"), 910);
  HideOwnTab(this);
}

TabGSM::TabGSM(T_Command_DEVICE& model, QWidget* parent) : TabSheet(model, "Tab_GSM", parent) {
  auto* column = new QVBoxLayout(this);
  auto* g = new QGridLayout;
  auto* dataMode = new QComboBox(this);
  dataMode->setObjectName("CB_GSM_DataMode");
  dataMode->addItems({QStringLiteral("Звонок с соединением при событии"),
                  QStringLiteral("Звонок без соединения, затем с соединением"),
                  QStringLiteral("Только звонок без соединения")});
  auto* proto = new QComboBox(this);
  proto->setObjectName("CB_GSM_Protocol");
  proto->addItems({QStringLiteral("Автоопр."), QStringLiteral("v.32"), QStringLiteral("v.34"),
                   QStringLiteral("v.120"), QStringLiteral("v.110")});
  g->addWidget(MakeLabel("L_GSM_DataMode", QStringLiteral("Способ передачи тревожных сообщений:"), this), 0, 0);
  g->addWidget(dataMode, 0, 1);
  g->addWidget(MakeLabel("L_GSM_Protocol", QStringLiteral("Протокол для соединения:"), this), 1, 0);
  g->addWidget(proto, 1, 1);
  column->addLayout(g);
  column->addWidget(CommGrid("SG_GSM", {37, 157, 562}, this));
}

void TabGSM::Create() {
  AssignHint(this, 1000);
  AssignHint(findChild<QWidget*>("CB_GSM_DataMode"), 1011);
  AssignHint(findChild<QWidget*>("CB_GSM_Protocol"), 1012);
  AssignHint(findChild<QWidget*>("SG_GSM"), 1020);
  HideOwnTab(this);
}

TabPK4::TabPK4(T_Command_DEVICE& model, QWidget* parent) : TabSheet(model, "Tab_PK4", parent) {
  auto* column = new QVBoxLayout(this);
  auto* ident = new QGroupBox(QStringLiteral("Параметры идентификации:"), this);
  ident->setObjectName("GB_PK4_Ident");
  auto* il = new QGridLayout(ident);
  il->addWidget(MakeLabel("L_PK4_Ident", QStringLiteral("Идентификатор    :"), ident), 0, 0);
  il->addWidget(Edit("E_PK4_Ident", 8, ident), 0, 1, 1, 4);
  il->addWidget(MakeLabel("L_PK4_Key", QStringLiteral("Ключ шифрации  :"), ident), 1, 0);
  for (int i = 1; i <= 4; ++i) il->addWidget(Edit(QStringLiteral("E_PK4_Key%1").arg(i), 8, ident), 1, i);
  auto* gen = new QPushButton(QStringLiteral("Генерировать"), ident);
  gen->setObjectName("B_PK4_KeyGenerate");
  auto* clear = new QPushButton(QStringLiteral("По-умолчанию"), ident);
  clear->setObjectName("B_PK4_KeyClear");
  il->addWidget(gen, 2, 1);
  il->addWidget(clear, 2, 2);
  column->addWidget(ident);
  auto* sess = new QGroupBox(QStringLiteral("Параметры сеансов связи:"), this);
  sess->setObjectName("GB_PK4_Session");
  auto* sl = new QGridLayout(sess);
  const char* names[] = {"E_PK4_Duty1", "E_PK4_Duty2", "E_PK4_Wait", "E_PK4_MaxLost"};
  const char* texts[] = {"Период сообщения \"дежурный режим\" тип 1 (0..900 сек.):",
                         "Период сообщения \"дежурный режим\" тип 2 (0..900 сек.):",
                         "Ожидание ответа (5..60 сек.):", "Число сообщений без ответа (1..99):"};
  for (int i = 0; i < 4; ++i) {
    sl->addWidget(MakeLabel(QString(), QString::fromUtf8(texts[i]), sess), i, 0);
    sl->addWidget(Edit(QString::fromLatin1(names[i]), 3, sess), i, 1);
  }
  column->addWidget(sess);
  column->addStretch(1);
}

void TabPK4::Create() {
  AssignHint(this, 1100);
  AssignHint(findChild<QWidget*>("E_PK4_Ident"), 1110);
  for (int i = 1; i <= 4; ++i) AssignHint(findChild<QWidget*>(QStringLiteral("E_PK4_Key%1").arg(i)), 1111);
  AssignHint(findChild<QWidget*>("B_PK4_KeyGenerate"), 1113);
  AssignHint(findChild<QWidget*>("B_PK4_KeyClear"), 1114);
  AssignHint(findChild<QWidget*>("E_PK4_Duty1"), 1121);
  AssignHint(findChild<QWidget*>("E_PK4_Duty2"), 1122);
  AssignHint(findChild<QWidget*>("E_PK4_Wait"), 1123);
  AssignHint(findChild<QWidget*>("E_PK4_MaxLost"), 1124);
  InstallKeyFilter(findChild<QLineEdit*>("E_PK4_Ident"), InputFilter::Hex);
  for (int i = 1; i <= 4; ++i)
    InstallKeyFilter(findChild<QLineEdit*>(QStringLiteral("E_PK4_Key%1").arg(i)), InputFilter::Hex);
  HideOwnTab(this);
}

TabGPRS::TabGPRS(T_Command_DEVICE& model, QWidget* parent) : TabSheet(model, "Tab_GPRS", parent) {
  auto* column = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* active = new QCheckBox(QStringLiteral("GPRS"), this);
  active->setObjectName("CB_GPRS_Active");
  auto* equal = new QCheckBox(QStringLiteral("="), this);
  equal->setObjectName("CB_GPRS_Equal");
  top->addWidget(active);
  top->addWidget(equal);
  top->addStretch(1);
  column->addLayout(top);
  for (int sim = 1; sim <= 2; ++sim) {
    auto* box = new QGroupBox(QStringLiteral("SIM%1").arg(sim), this);
    box->setObjectName(QStringLiteral("GB_GPRS_SIM%1").arg(sim));
    auto* g = new QGridLayout(box);
    g->addWidget(MakeLabel(QString(), QStringLiteral("APN:"), box), 0, 0);
    g->addWidget(Edit(QStringLiteral("E_GPRS_APN%1").arg(sim), 32, box), 0, 1, 1, 2);
    g->addWidget(MakeLabel(QString(), QStringLiteral("Логин:"), box), 0, 3);
    g->addWidget(Edit(QStringLiteral("E_GPRS_Login%1").arg(sim), 16, box), 0, 4);
    g->addWidget(MakeLabel(QString(), QStringLiteral("Пароль:"), box), 0, 5);
    g->addWidget(Edit(QStringLiteral("E_GPRS_Password%1").arg(sim), 16, box), 0, 6);
    ServerRows(g, 1, QStringLiteral("GPRS%1").arg(sim), box);
    column->addWidget(box);
  }
  column->addStretch(1);
}

void TabGPRS::Create() {
  AssignHint(this, 1200);
  AssignHint(findChild<QWidget*>("CB_GPRS_Active"), 1201);
  AssignHint(findChild<QWidget*>("CB_GPRS_Equal"), 1210);
  HideOwnTab(this);
}

TabLAN::TabLAN(T_Command_DEVICE& model, QWidget* parent) : TabSheet(model, "Tab_LAN", parent) {
  auto* column = new QVBoxLayout(this);
  auto* active = new QCheckBox(QStringLiteral("Ethernet"), this);
  active->setObjectName("CB_LAN_Active");
  column->addWidget(active);
  auto* g = new QGridLayout;
  g->addWidget(MakeLabel("L_LAN_MAC", QStringLiteral("МАС-адрес:"), this), 0, 0);
  g->addWidget(Edit("E_LAN_MAC", 17, this), 0, 1);
  g->addWidget(new QRadioButton(QStringLiteral("получить автоматически (DHCP)"), this), 1, 0);
  g->addWidget(new QRadioButton(QStringLiteral("задать статически"), this), 1, 1);
  const char* addr[] = {"E_LAN_IP", "E_LAN_Mask", "E_LAN_Gateway"};
  for (int i = 0; i < 3; ++i) g->addWidget(Edit(QString::fromLatin1(addr[i]), 15, this), 2, i);
  g->addWidget(new QRadioButton(QStringLiteral("получить автоматически (DHCP)"), this), 3, 0);
  g->addWidget(new QRadioButton(QStringLiteral("использовать следующий"), this), 3, 1);
  g->addWidget(Edit("E_LAN_DNS", 15, this), 3, 2);
  ServerRows(g, 4, QStringLiteral("LAN"), this);
  column->addLayout(g);
  column->addStretch(1);
}

void TabLAN::Create() {
  AssignHint(this, 1300);
  AssignHint(findChild<QWidget*>("CB_LAN_Active"), 1301);
  AssignHint(findChild<QWidget*>("E_LAN_MAC"), 1302);
  HideOwnTab(this);
}

}  // namespace kestrin
