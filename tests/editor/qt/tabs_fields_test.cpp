// The plain fields of "Общие", "Режимы" and "Индикация", their filters, the
// siren partition list, the hidden communication tabs and a full redraw.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>
#include <QTabWidget>

#include "editor/tab_common.h"
#include "editor/tab_gprs.h"
#include "editor/tab_gsm.h"
#include "editor/tab_indic.h"
#include "editor/tab_keys.h"
#include "editor/tab_lan.h"
#include "editor/tab_mode.h"
#include "editor/tab_parts.h"
#include "editor/tab_pk4.h"
#include "editor/tab_rele.h"
#include "editor/tab_shleifs.h"
#include "editor/tab_sms.h"
#include "editor/tab_smsk.h"
#include "editor/tab_util.h"
#include "files/file_bytes.h"
#include "model/writer.h"
#include "tab_pages.h"
#include "tabs_test_util.h"

namespace kestrin {
namespace {

using test::KeyClicks;
using test::KeyPaste;
using test::OpenCell;
using test::TabHost;

// Every tab in one tab widget over the default configuration.
struct AllTabs : test::TabPages {
  AllTabs() : TabPages([](T_Command_DEVICE& m) { m.SetDefaults(); }, true, QSize(1000, 760)) {}
  void UnLoadAll() {
    for (TabSheet* t : std::initializer_list<TabSheet*>{mode, indic, loops, relays, keys, common}) t->UnLoad();
  }
};

TEST(CommonTab, ModeGroupsMoveBelowThePasswordAndOnlySixTabsRemain) {
  AllTabs w;
  auto* guard = w.common->findChild<QGroupBox*>("GB_Mode_GuardDevice");
  auto* general = w.common->findChild<QGroupBox*>("GB_Mode_Common");
  ASSERT_TRUE(guard && general);
  w.pages.setCurrentIndex(0);
  QApplication::processEvents();
  EXPECT_TRUE(guard->isVisible());
  EXPECT_GT(guard->y(), w.common->E_Common_Password->y());
  EXPECT_GT(general->y(), guard->y());
  int visible = 0;
  for (int i = 0; i < w.pages.count(); ++i) visible += w.pages.isTabVisible(i) ? 1 : 0;
  EXPECT_EQ(visible, 6);
  EXPECT_FALSE(w.pages.isTabVisible(1));
  for (int i = 7; i < w.pages.count(); ++i) EXPECT_FALSE(w.pages.isTabVisible(i)) << i;
  // The hidden controls exist and stay hidden.
  for (const char* name : {"G_PhonesNumber", "G_Common_ParamBalance", "CB_Mode_SMSRule", "E_Mode_ExitDelay",
                           "UD_Mode_ExitDelay", "CB_Mode_MasterIP", "GB_Mode_KonvertDevice", "GB_Mode_ModeSIM",
                           "GB_Indic_DutyMode", "CB_Indic_ExtZumm"}) {
    QWidget* c = w.pages.findChild<QWidget*>(name);
    ASSERT_TRUE(c) << name;
    EXPECT_TRUE(c->isHidden()) << name;
  }
  EXPECT_EQ(w.common->findChild<QLabel*>("L_Common_Password")->text(),
            QStringLiteral("Пароль администратора") + QString(18, ' ') + ":");
  EXPECT_EQ(w.mode->CB_Mode_LockNoIP->text(), "Запрещена постановка на охрану при отсутствии связи с УТ");
}

TEST(CommonTab, FieldsRedrawAndUnloadAndLabelsNameThem) {
  AllTabs w;
  w.model.SetFileKey(test::Utf8ToModel("Ключ 1"));
  w.model.SetPasswordCommand("12345");
  w.common->Redraw();
  EXPECT_EQ(w.common->E_Common_KEY->text(), "Ключ 1");
  EXPECT_EQ(w.common->E_Common_Password->text(), "12345");
  EXPECT_EQ(w.common->findChild<QLabel*>("L_Common_KEY")->buddy(), w.common->E_Common_KEY);
  w.common->E_Common_KEYOld->setText("old");
  w.common->UnLoad();
  EXPECT_EQ(w.model.GetOldFileKey(), "old");
  EXPECT_EQ(w.model.GetFileKey(), test::Utf8ToModel("Ключ 1"));
}

TEST(InputFilters, KeyFieldPasswordAndAliasFields) {
  AllTabs w;
  QLineEdit* key = w.common->E_Common_KEY;
  key->clear();
  KeyClicks(key, "Ab ЖёЁz_~");  // ё, Ё and ~ are not in the set
  EXPECT_EQ(key->text(), "Ab Жz_");
  key->clear();
  KeyClicks(key, QString(40, 'k'));
  EXPECT_EQ(key->text().size(), 32);  // the 33rd character is not typed in
  key->clear();
  KeyClicks(key, QStringLiteral("a€b😀c"));  // € is in Windows-1251 but not in the set; the emoji is not
  EXPECT_EQ(key->text(), "abc");

  QLineEdit* pass = w.common->E_Common_Password;
  pass->clear();
  KeyClicks(pass, "1a2");
  EXPECT_EQ(pass->text(), "12");
  pass->clear();
  KeyPaste(pass, "9x8");
  EXPECT_EQ(pass->text(), "98");
  EXPECT_EQ(pass->cursorPosition(), 2);

  // The SMS alias takes "ё" (the text filter allows every byte from 65 up).
  auto* alias = w.comm[0]->findChild<QLineEdit*>("E_SMS_Name");
  ASSERT_TRUE(alias);
  KeyClicks(alias, "ёЁ ");
  EXPECT_EQ(alias->text(), "ёЁ");
  auto* ident = w.comm[3]->findChild<QLineEdit*>("E_PK4_Ident");
  KeyClicks(ident, "0aFgZ9");
  EXPECT_EQ(ident->text(), "0aF9");
}

TEST(ModeTab, ChecksListTrackBarAndLockNoIp) {
  AllTabs w;
  TabMode* m = w.mode;
  m->TB_Mode_Accel->setValue(4);
  EXPECT_EQ(m->L_Mode_Accel2->text(), " (4)");
  m->CB_Mode_PowerOffMode->setCurrentIndex(1);
  m->CB_Mode_LogEnable->setChecked(!w.model.GetLogFileEnabled());
  const bool log = m->CB_Mode_LogEnable->isChecked();
  w.UnLoadAll();
  EXPECT_EQ(w.model.GetAccelSensitivity(), 4);
  EXPECT_EQ(w.model.GetBackupSignalMethod(), 1);
  EXPECT_EQ(w.model.GetLogFileEnabled(), log);
  // A file with ci=1 then one with ci=0 leaves the box unchecked.
  LoadConfigText("ci-1\r\n", w.model);
  m->Redraw();
  EXPECT_TRUE(m->CB_Mode_LockNoIP->isChecked());
  LoadConfigText("ci-0\r\n", w.model);
  m->Redraw();
  EXPECT_FALSE(m->CB_Mode_LockNoIP->isChecked());
  EXPECT_TRUE(m->CB_Mode_LockNoIP->isEnabled());
}

TEST(IndicTab, FieldsListAndTrackBar) {
  AllTabs w;
  TabIndic* t = w.indic;
  EXPECT_EQ(t->CB_Indic_Zone->count(), 9);
  t->CB_Indic_Zone->setCurrentIndex(4);
  EXPECT_EQ(w.model.GetIndicatorPartition(), 4);  // stored at once
  t->E_Indic_Sirena->clear();
  t->E_Indic_ExtIndic->setText("75");
  t->TB_Indic_IntZummer->setValue(3);
  EXPECT_EQ(t->L_Indic_IntZummer_3->text(), " (3)");
  w.UnLoadAll();
  EXPECT_EQ(w.model.GetSirenTime(), 0);
  EXPECT_EQ(w.model.GetIndicatorTime(), 75);
  EXPECT_EQ(w.model.GetBuzzerVolume(), 3);
  // The arrows step within their limits and focus the field.
  t->E_Indic_Sirena->setText("998");
  t->UD_Indic_Sirena->Step(1);
  t->UD_Indic_Sirena->Step(1);
  EXPECT_EQ(t->E_Indic_Sirena->text(), "999");
  t->E_Indic_ExtIndic->setText("1");
  t->UD_Indic_ExtIndic->Step(-1);
  EXPECT_EQ(t->E_Indic_ExtIndic->text(), "1");
  w.pages.setCurrentWidget(t);
  QApplication::processEvents();
  auto* down = t->findChild<QWidget*>("UD_Indic_Sirena_Down");
  ASSERT_TRUE(down);
  test::MouseClick(down);
  EXPECT_EQ(QApplication::focusWidget(), t->E_Indic_Sirena);
  EXPECT_EQ(t->E_Indic_Sirena->text(), "998");
}

TEST(IndicTab, SirenPartitionList) {
  AllTabs w;
  w.pages.setCurrentWidget(w.indic);
  QApplication::processEvents();
  TabIndic* t = w.indic;
  w.model.SetSirenPartitions(PartitionBit(1) | PartitionBit(2) | PartitionBit(3) | PartitionBit(5));
  t->Redraw();
  StringGrid* cell = t->SG_Indic_Sirena_Parts;
  EXPECT_EQ(cell->Cell(0, 1), "1-3,5");
  // A typed key other than Enter does nothing.
  cell->setFocus();
  test::KeyClick(cell, Qt::Key_A, "a");
  test::KeyClick(cell, Qt::Key_Space);
  EXPECT_FALSE(t->SirenPartsList->isVisible());
  test::KeyClick(cell, Qt::Key_Return);
  ASSERT_TRUE(t->SirenPartsList->isVisible());
  EXPECT_EQ(t->SirenPartsList->Ticked(), PartitionBit(1) | PartitionBit(2) | PartitionBit(3) | PartitionBit(5));
  EXPECT_EQ(t->SirenPartsList->count(), 8);
  // Opened over the cell, all eight items in one column.
  // Three columns of at most three items: 1-3, 4-6, 7-8.
  EXPECT_TRUE(t->SirenPartsList->isWrapping());
  auto rect = [&](int i) { return t->SirenPartsList->visualItemRect(t->SirenPartsList->item(i)); };
  EXPECT_EQ(rect(3).top(), rect(0).top());
  EXPECT_EQ(rect(6).top(), rect(0).top());
  EXPECT_GT(rect(3).left(), rect(2).right() - 1);
  EXPECT_GT(rect(6).left(), rect(5).right() - 1);
  EXPECT_LE(std::abs(t->SirenPartsList->geometry().top() - cell->CellRect(0, 1, t).top()), 2);
  EXPECT_TRUE(t->SirenPartsList->visualItemRect(t->SirenPartsList->item(7)).bottom() <=
              t->SirenPartsList->viewport()->height());
  EXPECT_EQ(t->SirenPartsList->item(7)->text(), "Раздел 8");
  for (int i = 0; i < 8; ++i) t->SirenPartsList->item(i)->setCheckState(Qt::Unchecked);
  test::KeyClick(t->SirenPartsList, Qt::Key_Escape);
  EXPECT_FALSE(t->SirenPartsList->isVisible());
  EXPECT_EQ(w.model.GetSirenPartitions(), 0);
  EXPECT_EQ(cell->Cell(0, 1), "");
  // A click opens it too; a click elsewhere closes and stores.
  test::MouseClick(cell->viewport());
  ASSERT_TRUE(t->SirenPartsList->isVisible());
  t->SirenPartsList->item(6)->setCheckState(Qt::Checked);
  test::MouseClick(t->findChild<QLabel*>("L_Indic_Zone1"));
  EXPECT_FALSE(t->SirenPartsList->isVisible());
  EXPECT_EQ(w.model.GetSirenPartitions(), PartitionBit(7));
  EXPECT_EQ(cell->Cell(0, 1), "7");
}

TEST(IndicTab, SirenListOpensOnALeftClickOnItsCellOnly) {
  AllTabs w;
  w.pages.setCurrentWidget(w.indic);
  QApplication::processEvents();
  StringGrid* cell = w.indic->SG_Indic_Sirena_Parts;
  QWidget* area = cell->viewport();
  const QPoint on = area->rect().center();
  const QPoint off(area->width() + 40, on.y());
  auto press = [&](Qt::MouseButton button, QPoint at, QEvent::Type type) {
    QMouseEvent e(type, QPointF(at), area->mapToGlobal(QPointF(at)), button,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(area, &e);
  };
  struct Case {
    Qt::MouseButton button;
    QPoint releasedAt;
    bool opens;
  };
  for (const Case& c : {Case{Qt::RightButton, on, false}, Case{Qt::MiddleButton, on, false},
                        Case{Qt::LeftButton, off, false}, Case{Qt::LeftButton, on, true}}) {
    SCOPED_TRACE(c.button);
    press(c.button, on, QEvent::MouseButtonPress);
    EXPECT_FALSE(w.indic->SirenPartsList->isVisible());  // nothing before the release
    press(c.button, c.releasedAt, QEvent::MouseButtonRelease);
    EXPECT_EQ(w.indic->SirenPartsList->isVisible(), c.opens);
  }
}

TEST(GridEditors, APressOutsideAnOpenEditorStoresAndClosesItAndDoesNothingElse) {
  AllTabs w;
  w.pages.setCurrentWidget(w.relays);
  QApplication::processEvents();
  w.model.SetRelayType(1, Code(RelayType::kSiren1Guard));
  w.relays->Redraw();
  QCheckBox* box = w.relays->CB_Rele_ActiveKTS;
  const bool ticked = box->isChecked();
  QWidget* editor = test::OpenCell(w.relays->SG_Reles, 2, 1);
  ASSERT_TRUE(qobject_cast<QLineEdit*>(editor));
  test::KeyClicks(editor, QStringLiteral("42"));
  test::MouseClick(box);
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(w.model.GetRelayTime(1), 42);
  EXPECT_EQ(box->isChecked(), ticked);  // the press only closed the editor
  test::MouseClick(box);                // the next one is the box's own
  EXPECT_NE(box->isChecked(), ticked);
}

// Gives control the focus; returns what tab reported as entered (null: nothing).
QWidget* EnteredOnFocus(TabSheet* tab, QWidget* control) {
  QWidget* entered = nullptr;
  const QMetaObject::Connection reported =
      QObject::connect(tab, &TabSheet::controlEntered, [&](QWidget* c) { entered = c; });
  control->setFocus();
  QObject::disconnect(reported);
  return entered;
}

TEST(TabsFocus, EnteringAControlReportsItToItsTabAndColoursIt) {
  AllTabs w;
  w.pages.setCurrentWidget(w.indic);
  QApplication::processEvents();
  EXPECT_EQ(EnteredOnFocus(w.indic, w.indic->E_Indic_Sirena), w.indic->E_Indic_Sirena);
  EXPECT_EQ(w.indic->E_Indic_Sirena->palette().color(QPalette::Base), QColor(255, 255, 0));
  EXPECT_EQ(EnteredOnFocus(w.indic, w.indic->CB_Indic_Zone), w.indic->CB_Indic_Zone);
  EXPECT_NE(w.indic->E_Indic_Sirena->palette().color(QPalette::Base), QColor(255, 255, 0));
  // The mode groups on "Общие" still report to the mode tab.
  w.pages.setCurrentWidget(w.common);
  QApplication::processEvents();
  EXPECT_EQ(EnteredOnFocus(w.mode, w.mode->CB_Mode_LogEnable), w.mode->CB_Mode_LogEnable);
}

TEST(AllTabsRedraw, RealisticFileShowsEverywhereAndSurvivesUnload) {
  AllTabs w;
  const std::string path = std::string(KESTRIN_FIXTURES) + "/language/realistic_office_roundtrip.in";
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "test fixture missing: " << path;
  const QByteArray bytes = f.readAll();
  LoadConfigText(std::string(bytes.constData(), static_cast<size_t>(bytes.size())), w.model);
  std::vector<std::string> before, after;
  WriteConfigText(w.model, before);
  for (TabSheet* t : std::initializer_list<TabSheet*>{w.common, w.mode, w.indic, w.parts, w.loops, w.relays, w.keys})
    t->Redraw();
  EXPECT_EQ(FromQ(w.common->E_Common_KEY->text()), w.model.GetFileKey());
  EXPECT_EQ(w.indic->SG_Indic_Sirena_Parts->Cell(0, 1), "1-2");
  EXPECT_EQ(w.parts->SG_Parts->Cell(1, 5), "180");
  EXPECT_EQ(w.loops->SG_Shleifs->Cell(2, 1), "30");
  EXPECT_EQ(w.loops->SG_Shleifs->Cell(3, 1), "Вход");
  EXPECT_EQ(w.relays->SG_Reles->Cell(3, 3), "1,3-4");  // a lock relay from the file, as read
  EXPECT_EQ(w.keys->SG_Keys->Cell(1, 3), "Кассир");
  EXPECT_EQ(w.keys->SG_Keys->Cell(3, 4), "************");
  EXPECT_EQ(w.mode->TB_Mode_Accel->value(), w.model.GetAccelSensitivity());
  // Unloading changes only what the type rules enforce: the unused loop 7
  // loses its delay, the lock relay 3 its time and all but its lowest
  // partition, the fire relay 4 without partitions gets partition 1. Keys and
  // a password with characters outside the filters or too long stay whole.
  w.UnLoadAll();
  WriteConfigText(w.model, after);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < after.size(); ++i) {
    const std::string code = before[i].substr(0, 3);
    if (code == "lm7" || code == "rm3" || code == "rz3" || code == "rz4") continue;
    EXPECT_EQ(after[i], before[i]) << i;
  }
  EXPECT_EQ(w.model.GetLoopDelay(7), 0);
  EXPECT_EQ(w.model.GetRelayTime(3), 0);
  EXPECT_EQ(w.model.GetRelayPartitions(3), PartitionBit(1));
  EXPECT_EQ(w.relays->SG_Reles->Cell(3, 3), "1");
}

}  // namespace
}  // namespace kestrin
