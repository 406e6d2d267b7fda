#include "editor/tab_common.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/widgets/hints.h"
#include "gui/widgets/input_filter_qt.h"
#include "gui/widgets/qt_text.h"
#include "editor/tab_mode.h"
#include "editor/tab_util.h"

namespace kestrin {

TabCommon::TabCommon(T_Command_DEVICE& model, QWidget* parent) : TabSheet(model, "Tab_Common", parent) {
  column_ = new QVBoxLayout(this);
  StaticTextStatus = MakeLabel("StaticTextStatus", QString(), this);
  StaticTextStatus->setAutoFillBackground(false);
  column_->addWidget(StaticTextStatus);

  auto* fields = new QGridLayout;
  auto addField = [&](int row, const char* labelName, const QString& caption, const char* editName, int maxLen,
                      int chars) {
    QLabel* label = MakeLabel(labelName, caption, this);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(editName);
    edit->setMaxLength(maxLen);
    edit->setFont(FixedBoldFont());
    edit->setFixedWidth(QFontMetrics(edit->font()).horizontalAdvance(QString(chars, QLatin1Char('W'))) + 12);
    label->setBuddy(edit);
    fields->addWidget(label, row, 0);
    fields->addWidget(edit, row, 1, Qt::AlignLeft);
    return std::pair{label, edit};
  };
  std::tie(L_Common_KEY, E_Common_KEY) =
      addField(0, "L_Common_KEY", QStringLiteral("Ключ шифрования конфигурации :"), "E_Common_KEY", 32, 32);
  std::tie(L_Common_KEYOld, E_Common_KEYOld) = addField(
      1, "L_Common_KEYOld", QStringLiteral("\"Старый\" ключ (для смены ключа):"), "E_Common_KEYOld", 32, 32);
  std::tie(L_Common_Password, E_Common_Password) =
      addField(2, "L_Common_Password", QStringLiteral("Пароль :"), "E_Common_Password", 5, 5);
  fields->setColumnStretch(2, 1);
  column_->addLayout(fields);

  // SIM numbers and balance control belong to other panel models.
  phones_ = new QGroupBox(
      QStringLiteral("Номера используемых SIM-карт (для справки, прибором в работе не используются)"), this);
  phones_->setObjectName("G_PhonesNumber");
  auto* pl = new QGridLayout(phones_);
  for (int i = 1; i <= 2; ++i) {
    auto* e = new QLineEdit(phones_);
    e->setObjectName(QStringLiteral("E_Common_PhoneNumber%1").arg(i));
    e->setMaxLength(16);
    pl->addWidget(MakeLabel(QStringLiteral("L_Common_PhoneNumber%1").arg(i),
                            QStringLiteral("SIM%1 :").arg(i), phones_), 0, 2 * (i - 1));
    pl->addWidget(e, 0, 2 * (i - 1) + 1);
  }
  column_->addWidget(phones_);

  balance_ = new QGroupBox(QStringLiteral("Контроль баланса"), this);
  balance_->setObjectName("G_Common_ParamBalance");
  auto* bl = new QGridLayout(balance_);
  for (int i = 1; i <= 2; ++i) {
    auto* code = new QLineEdit(balance_);
    code->setObjectName(QStringLiteral("E_Common_BalanceCode%1").arg(i));
    auto* period = new QLineEdit(balance_);
    period->setObjectName(QStringLiteral("E_Common_BalancePeriod%1").arg(i));
    period->setMaxLength(2);
    auto* low = new QLineEdit(balance_);
    low->setObjectName(QStringLiteral("E_Common_BalanceLow%1").arg(i));
    bl->addWidget(MakeLabel(QString(), QStringLiteral("SIM%1: запрос").arg(i), balance_), i, 0);
    bl->addWidget(code, i, 1);
    bl->addWidget(MakeLabel(QString(), QStringLiteral("период (0..48 ч)"), balance_), i, 2);
    bl->addWidget(period, i, 3);
    bl->addWidget(MakeLabel(QString(), QStringLiteral("порог"), balance_), i, 4);
    bl->addWidget(low, i, 5);
  }
  column_->addWidget(balance_);
  column_->addStretch(1);
}

void TabCommon::Create() {
  AssignHint(this, 100);
  AssignHint(L_Common_KEY, 101);
  AssignHint(E_Common_KEY, 101);
  AssignHint(L_Common_KEYOld, 102);
  AssignHint(E_Common_KEYOld, 102);
  AssignHint(L_Common_Password, 103);
  AssignHint(E_Common_Password, 103);
  AssignHint(findChild<QLineEdit*>("E_Common_PhoneNumber1"), 104);
  AssignHint(findChild<QLineEdit*>("E_Common_PhoneNumber2"), 105);
  AssignHint(balance_, 106);
  for (int i = 1; i <= 2; ++i) {
    AssignHint(findChild<QLineEdit*>(QStringLiteral("E_Common_BalanceCode%1").arg(i)), 107);
    AssignHint(findChild<QLineEdit*>(QStringLiteral("E_Common_BalancePeriod%1").arg(i)), 108);
    AssignHint(findChild<QLineEdit*>(QStringLiteral("E_Common_BalanceLow%1").arg(i)), 109);
  }
  InstallChangeFilter(E_Common_KEY, InputFilter::TextSpace);
  InstallChangeFilter(E_Common_KEYOld, InputFilter::TextSpace);
  InstallChangeFilter(E_Common_Password, InputFilter::Digital);
  L_Common_Password->setText(QStringLiteral("Пароль администратора") + QString(18, QLatin1Char(' ')) +
                             QStringLiteral(":"));
  phones_->hide();
  balance_->hide();
  if (!tracker_) {
    tracker_ = new EnterTracker(this);
    tracker_->Track(E_Common_KEY);
    tracker_->Track(E_Common_KEYOld);
    tracker_->Track(E_Common_Password);
  }
}

void TabCommon::AdoptModeGroups(TabMode& mode) {
  if (adopted_ || !mode.GB_Mode_GuardDevice) return;
  adopted_ = true;
  // Right where the hidden SIM numbers stand: below the password.
  const int at = column_->indexOf(phones_);
  mode.GB_Mode_GuardDevice->setParent(this);
  mode.GB_Mode_Common->setParent(this);
  column_->insertWidget(at, mode.GB_Mode_GuardDevice);
  column_->insertWidget(at + 1, mode.GB_Mode_Common);
  mode.GB_Mode_GuardDevice->show();
  mode.GB_Mode_Common->show();
}

void TabCommon::Redraw() {
  // A key or password read from a file may hold characters the filters
  // refuse; they are kept so that saving does not change them behind the
  // installer's back.
  SetTextUnfiltered(E_Common_KEY, ToQ(Model().GetFileKey()));
  SetTextUnfiltered(E_Common_KEYOld, ToQ(Model().GetOldFileKey()));
  SetTextUnfiltered(E_Common_Password, ToQ(Model().GetPasswordCommand()));
}

void TabCommon::FieldsInto(T_Command_DEVICE& m) const {
  m.SetFileKey(FromQ(E_Common_KEY->text()));
  m.SetOldFileKey(FromQ(E_Common_KEYOld->text()));
  m.SetPasswordCommand(FromQ(E_Common_Password->text()));
}

}  // namespace kestrin
