// The keys tab's context menu (CSV export and import) and find field.
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>

#include "editor/keys_find.h"
#include "editor/tab_keys.h"
#include "files/atomic_file.h"
#include "gui/widgets/focus_colours.h"
#include "files/keys_csv.h"
#include "model/messages.h"
#include "tabs_test_util.h"
#include "window_test_support.h"

namespace kestrin {
namespace {

using test::Describe;
using test::KeyClick;
using test::KeyClicks;
using test::ModalDriver;
using test::TabHost;
using test::Utf8ToModel;

QString Pair(const MessagePair& p) {
  return QStringLiteral("error: ") + QString::fromUtf8(p.message) + QStringLiteral(" / ") +
         QString::fromUtf8(p.recommendation);
}

// Delivers a context-menu request as the window system would and, once the
// menu is up, chooses the named action with Enter. Returns the action texts.
QStringList ChooseFromMenu(TabKeys* tab, QContextMenuEvent::Reason reason, const char* action,
                           const std::function<void(QMenu*)>& whileOpen = {}) {
  QStringList texts;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu || !menu->isVisible()) return;
    poll.stop();
    for (QAction* a : menu->actions()) texts << a->text();
    if (whileOpen) whileOpen(menu);
    QAction* chosen = menu->findChild<QAction*>(QString::fromLatin1(action));
    if (!chosen) chosen = tab->findChild<QAction*>(QString::fromLatin1(action));
    if (!chosen) {  // nothing to choose: the menu is only looked at
      KeyClick(menu, Qt::Key_Escape);
      return;
    }
    menu->setActiveAction(chosen);
    KeyClick(menu, Qt::Key_Return);
  });
  poll.start();
  StringGrid* g = tab->SG_Keys;
  QWidget* target = reason == QContextMenuEvent::Mouse ? g->viewport() : static_cast<QWidget*>(g);
  const QPoint local = target->rect().center();
  QContextMenuEvent request(reason, local, target->mapToGlobal(local));
  QApplication::sendEvent(target, &request);
  return texts;
}

class KeysCsvMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    host.tab->SetFileDialogs(&dialogs);
    modals.SetDescriber(Describe);
    host.model.SetKeyName(4, Utf8ToModel("Кассир"));
    host.model.SetKeyCode(4, "1A2B00000000");
    host.tab->Redraw();
  }
  QString Path(const char* name) const { return dir.path() + QLatin1Char('/') + QString::fromUtf8(name); }

  TabHost<TabKeys> host;
  QTemporaryDir dir;
  test::FakeFileDialogs dialogs;
  ModalDriver modals{ModalDriver::Pace::EveryTick};
};

TEST_F(KeysCsvMenuTest, MenuKeyOffersBothCommandsAndExportWritesTheTable) {
  dialogs.saveAnswer = Path("ключи.csv");
  const QStringList texts = ChooseFromMenu(host.tab, QContextMenuEvent::Keyboard, "A_Keys_ExportCsv");
  EXPECT_EQ(texts, QStringList({"Экспорт ключей в CSV...", "Импорт ключей из CSV..."}));
  EXPECT_EQ(dialogs.saveCalls, 1);
  EXPECT_TRUE(dialogs.lastFilters.value(0).contains("*.csv"));
  const QByteArray written = test::ReadBytes(dialogs.saveAnswer);
  EXPECT_EQ(written.toStdString(), ExportKeysCsv(host.model));
  EXPECT_TRUE(written.contains(QStringLiteral("Кассир").toUtf8()));
  EXPECT_TRUE(modals.seen.isEmpty()) << modals.seen.join('\n').toStdString();
}

TEST_F(KeysCsvMenuTest, ExportTakesTheValueOfAnEditorStillOpen) {
  dialogs.saveAnswer = Path("open.csv");
  test::OpenCell(host.tab->SG_Keys, 1, 6);
  ASSERT_EQ(host.tab->SG_Keys->OpenEditor(), host.tab->NameEditor);
  KeyClicks(host.tab->NameEditor, QStringLiteral("Охрана"));
  host.tab->ExportKeysCsvClick();
  EXPECT_EQ(host.model.GetKeyName(6), Utf8ToModel("Охрана"));
  EXPECT_TRUE(test::ReadBytes(dialogs.saveAnswer).contains(QStringLiteral("Охрана").toUtf8()));
}

TEST_F(KeysCsvMenuTest, FailedExportShowsTheSaveMessagesAndKeepsTheOldFile) {
  // No such folder: the file cannot be created.
  dialogs.saveAnswer = Path("нет/ключи.csv");
  host.tab->ExportKeysCsvClick();
  ASSERT_EQ(modals.seen.size(), 1);
  EXPECT_EQ(modals.seen[0], Pair(WriteFailurePair(WriteResult::CannotCreate)));
  // A write-protected file is refused and left as it was.
  dialogs.saveAnswer = Path("ro.csv");
  ASSERT_TRUE(test::WriteBytes(dialogs.saveAnswer, "old"));
  QFile::setPermissions(dialogs.saveAnswer, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
  host.tab->ExportKeysCsvClick();
  ASSERT_EQ(modals.seen.size(), 2);
  EXPECT_EQ(modals.seen[1], Pair(WriteFailurePair(WriteResult::WriteProtected)));
  EXPECT_EQ(test::ReadBytes(dialogs.saveAnswer), QByteArray("old"));
  // Cancelled: nothing written, nothing said.
  dialogs.saveAnswer.clear();
  host.tab->ExportKeysCsvClick();
  EXPECT_EQ(modals.seen.size(), 2);
}

TEST_F(KeysCsvMenuTest, ImportSetsTheKeysAndRedrawsTheGrid) {
  dialogs.openAnswer = Path("in.csv");
  const QString csv = QStringLiteral(
      "№;Пользователь;Режим работы;Код управления;Разделы\r\n"
      "4;Директор;Постановка/Снятие;1A2B;1\r\n"
      "17;Ёжик;Патруль;ABC;1-2,4\r\n");
  ASSERT_TRUE(test::WriteBytes(dialogs.openAnswer, csv.toUtf8()));
  ChooseFromMenu(host.tab, QContextMenuEvent::Mouse, "A_Keys_ImportCsv");
  EXPECT_EQ(dialogs.openCalls, 1);
  EXPECT_TRUE(modals.seen.isEmpty()) << modals.seen.join('\n').toStdString();
  StringGrid* g = host.tab->SG_Keys;
  EXPECT_EQ(host.model.GetKeyName(4), Utf8ToModel("Директор"));
  EXPECT_EQ(g->Cell(1, 4), "Директор");
  EXPECT_EQ(g->Cell(1, 17), "Ёжик");
  EXPECT_EQ(host.model.GetKeyMode(17), 2);
  EXPECT_TRUE(g->Cell(2, 17).startsWith("Патруль"));
  EXPECT_EQ(g->Cell(3, 17), "ABC000000000");
  EXPECT_EQ(g->Cell(4, 17), "1-2,4");
}

TEST_F(KeysCsvMenuTest, AnEditorLeftOpenCannotOverwriteTheImport) {
  dialogs.openAnswer = Path("over.csv");
  ASSERT_TRUE(test::WriteBytes(dialogs.openAnswer, QStringLiteral("№;Пользователь\r\n12;Кассир\r\n").toUtf8()));
  test::OpenCell(host.tab->SG_Keys, 1, 12);
  KeyClicks(host.tab->NameEditor, QStringLiteral("Старое"));
  host.tab->ImportKeysCsvClick();
  if (host.tab->NameEditor->isVisible()) KeyClick(host.tab->NameEditor, Qt::Key_Return);
  EXPECT_EQ(host.model.GetKeyName(12), Utf8ToModel("Кассир"));
  EXPECT_EQ(host.tab->SG_Keys->Cell(1, 12), "Кассир");
}

TEST_F(KeysCsvMenuTest, BadTableShowsItsRowsAndChangesNothing) {
  dialogs.openAnswer = Path("bad.csv");
  const QString csv = QStringLiteral(
      "№;Пользователь;Режим работы;Код управления;Разделы\r\n"
      "5;Новый;Постановка/Снятие;;1\r\n"
      "6;Второй;Сторож;;1\r\n"
      "7;Третий;Патруль;XYZ;9\r\n");
  ASSERT_TRUE(test::WriteBytes(dialogs.openAnswer, csv.toUtf8()));
  const std::string before = ExportKeysCsv(host.model, true);
  const QString cellBefore = host.tab->SG_Keys->Cell(1, 5);
  host.tab->ImportKeysCsvClick();
  ASSERT_EQ(modals.seen.size(), 1);
  const QStringList shown = modals.seen[0].split(" / ");
  EXPECT_TRUE(shown[0].startsWith("error: строка 3: ")) << shown[0].toStdString();
  EXPECT_TRUE(shown[0].contains("\nстрока 4: ")) << shown[0].toStdString();
  EXPECT_TRUE(shown.value(1).contains("ключи не изменены"));
  EXPECT_EQ(ExportKeysCsv(host.model, true), before);
  EXPECT_EQ(host.tab->SG_Keys->Cell(1, 5), cellBefore);
  // A file that cannot be read is the open command's failure.
  dialogs.openAnswer = Path("missing.csv");
  host.tab->ImportKeysCsvClick();
  ASSERT_EQ(modals.seen.size(), 2);
  EXPECT_EQ(modals.seen[1], Pair(kMsgCannotOpen));
}

// In the main window the menu asks the window's file dialogs, and an import
// lands in the document the window saves.
class KeysWindowTest : public test::WindowTest {
 protected:
  // The window shown on the keys tab, active, with its find field open.
  QLineEdit* OpenFindField() {
    Start();
    keys = Find<TabKeys>("Tab_Keys");
    window->Pages()->setCurrentWidget(keys);
    if (!test::WaitFor([&] { return window->isActiveWindow(); })) return nullptr;
    keys->OpenFind();
    return keys->FindBar->E_Keys_Find;
  }

  TabKeys* keys = nullptr;
};

TEST_F(KeysWindowTest, CsvCommandsUseTheWindowsDialogsAndDocument) {
  Start();
  auto* tab = Find<TabKeys>("Tab_Keys");
  ASSERT_NE(tab, nullptr);
  dialogs.openAnswer = Work(QStringLiteral("keys.csv"));
  ASSERT_TRUE(test::WriteBytes(dialogs.openAnswer,
                               QStringLiteral("№;Пользователь\r\n12;Кассир\r\n").toUtf8()));
  tab->ImportKeysCsvClick();
  EXPECT_EQ(dialogs.openCalls, 1);
  EXPECT_EQ(window->Document().edited.GetKeyName(12), Utf8ToModel("Кассир"));
  EXPECT_EQ(tab->SG_Keys->Cell(1, 12), "Кассир");
  dialogs.saveAnswer = Work(QStringLiteral("out.csv"));
  tab->ExportKeysCsvClick();
  EXPECT_EQ(dialogs.saveCalls, 1);
  EXPECT_EQ(test::ReadBytes(dialogs.saveAnswer).toStdString(), ExportKeysCsv(window->Document().edited));
  EXPECT_TRUE(modals.seen.isEmpty()) << modals.seen.join('\n').toStdString();
}

// The window colours focused fields; a field that matches nothing must stay
// red, its text readable, when the focus comes and goes.
TEST_F(KeysWindowTest, NoMatchColourOutlivesTheWindowsFocusColouring) {
  QLineEdit* field = OpenFindField();
  ASSERT_NE(field, nullptr);
  KeyClicks(field, QStringLiteral("qqq"));
  ASSERT_TRUE(keys->FindBar->NoMatch());
  const QColor red(255, 0, 0);
  keys->SG_Keys->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(field->palette().color(QPalette::Base), red);
  field->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(field->palette().color(QPalette::Base), red);
  EXPECT_EQ(field->palette().color(QPalette::Text), keys->ST_MessText->palette().color(QPalette::WindowText));
  // A match gives it the window's focus colour again.
  KeyClick(field, Qt::Key_Backspace);
  KeyClick(field, Qt::Key_Backspace);
  KeyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(field->palette().color(QPalette::Base), FocusColour());
}

TEST_F(KeysWindowTest, FindFieldTakesTheFocusColourAndGivesItBack) {
  QLineEdit* field = OpenFindField();
  ASSERT_NE(field, nullptr);
  QApplication::processEvents();
  EXPECT_EQ(field->palette().color(QPalette::Base), FocusColour());
  keys->SG_Keys->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(field->palette().color(QPalette::Base), WindowColour());
  field->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(field->palette().color(QPalette::Base), FocusColour());
}

TEST(KeysImportProblems, NamesTheFirstRowsAndCountsTheRest) {
  KeysCsvImport r;
  r.errors = {"строка 2: a"};
  r.badRows = 1;
  EXPECT_EQ(KeysImportProblems(r), "строка 2: a");
  r.errors = {"строка 2: a", "строка 3: b", "строка 4: c"};
  r.badRows = 3;
  EXPECT_EQ(KeysImportProblems(r), "строка 2: a\nстрока 3: b\nстрока 4: c");
  // More than the dialog holds: two rows named, the rest counted, also
  // those the import no longer listed.
  for (int i = 5; i <= 21; ++i) r.errors.push_back("строка " + std::to_string(i) + ": x");
  r.badRows = 30;
  EXPECT_EQ(KeysImportProblems(r), "строка 2: a\nстрока 3: b\nи ещё неверных строк: 28");
}

class KeysFindTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto [key, name] : std::initializer_list<std::pair<int, const char*>>{
             {3, "Кассир"}, {100, "Ст.КАССИР"}, {250, "кассир-2"}, {7, "Ёлкин"}, {8, "Елена"}})
      host.model.SetKeyName(key, Utf8ToModel(name));
    host.model.SetKeyCode(20, "BA9876543210");
    host.tab->Redraw();
    grid()->setFocus();
    grid()->SetCurrent(1, 1);
  }
  StringGrid* grid() { return host.tab->SG_Keys; }
  QLineEdit* field() { return host.tab->FindBar->E_Keys_Find; }
  void CtrlF(QWidget* w) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F, Qt::ControlModifier, QString(QChar(6)));
    QApplication::sendEvent(w, &press);
  }
  void Type(const QString& text) {
    field()->selectAll();
    KeyClicks(field(), text);
  }
  void F3(bool shift = false) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F3, shift ? Qt::ShiftModifier : Qt::NoModifier);
    QApplication::sendEvent(field(), &press);
  }

  TabHost<TabKeys> host;
};

TEST_F(KeysFindTest, CtrlFOpensALabelledFieldUnderTheGrid) {
  EXPECT_FALSE(host.tab->FindBar->isVisible());
  CtrlF(grid());
  ASSERT_TRUE(host.tab->FindBar->isVisible());
  EXPECT_TRUE(field()->hasFocus());
  QLabel* label = host.tab->FindBar->L_Keys_Find;
  EXPECT_EQ(label->text(), "Найти:");
  EXPECT_EQ(label->buddy(), field());
  EXPECT_GE(host.tab->FindBar->y(), grid()->geometry().bottom());
  // From an open cell editor too.
  KeyClick(field(), Qt::Key_Escape);
  test::OpenCell(grid(), 1, 2);
  CtrlF(host.tab->NameEditor);
  EXPECT_TRUE(host.tab->FindBar->isVisible());
  EXPECT_TRUE(field()->hasFocus());
}

TEST_F(KeysFindTest, TypingFindsTheFirstAndEnterF3AndShiftF3WalkRound) {
  CtrlF(grid());
  Type(QStringLiteral("касс"));
  EXPECT_EQ(grid()->Row(), 3);
  EXPECT_TRUE(field()->hasFocus());  // typing goes on in the field
  KeyClick(field(), Qt::Key_Return);
  EXPECT_EQ(grid()->Row(), 100);
  F3();
  EXPECT_EQ(grid()->Row(), 250);
  F3();
  EXPECT_EQ(grid()->Row(), 3);
  F3(true);
  EXPECT_EQ(grid()->Row(), 250);
  F3(true);
  EXPECT_EQ(grid()->Row(), 100);
  // F3 also works from the grid while the field is open.
  grid()->setFocus();
  KeyClick(grid(), Qt::Key_F3);
  EXPECT_EQ(grid()->Row(), 250);
  field()->setFocus();
  // Typing more starts again from the first key, though key 100 matches too.
  KeyClicks(field(), QStringLiteral("ИР"));
  EXPECT_EQ(grid()->Row(), 3);
  EXPECT_FALSE(host.tab->FindBar->NoMatch());
}

TEST_F(KeysFindTest, YoAndCodesWhileShown) {
  CtrlF(grid());
  Type(QStringLiteral("ЁЛ"));
  EXPECT_EQ(grid()->Row(), 7);
  Type(QStringLiteral("ба98"));  // Cyrillic look-alikes are not hex digits
  EXPECT_TRUE(host.tab->FindBar->NoMatch());
  Type(QStringLiteral("ba98"));
  EXPECT_TRUE(host.tab->FindBar->NoMatch());  // codes hidden
  host.tab->SetShowCodes(true);
  Type(QStringLiteral("ba98"));
  EXPECT_EQ(grid()->Row(), 20);
  EXPECT_FALSE(host.tab->FindBar->NoMatch());
}

TEST_F(KeysFindTest, NoMatchColoursTheFieldAsARefusedValueAndKeepsTheCell) {
  CtrlF(grid());
  Type(QStringLiteral("касс"));
  ASSERT_EQ(grid()->Row(), 3);
  const QColor normal = field()->palette().color(QPalette::Base);
  KeyClicks(field(), QStringLiteral("q"));
  EXPECT_EQ(grid()->Row(), 3);
  EXPECT_TRUE(host.tab->FindBar->NoMatch());
  // The same red behind window-coloured text as the duplicate-code notice.
  const QPalette notice = host.tab->ST_MessText->palette();
  EXPECT_EQ(field()->palette().color(QPalette::Base), notice.color(QPalette::Window));
  EXPECT_EQ(field()->palette().color(QPalette::Text), notice.color(QPalette::WindowText));
  EXPECT_EQ(field()->palette().color(QPalette::Base), QColor(255, 0, 0));
  KeyClick(field(), Qt::Key_Backspace);
  EXPECT_FALSE(host.tab->FindBar->NoMatch());
  EXPECT_EQ(field()->palette().color(QPalette::Base), normal);
  EXPECT_NE(field()->palette().color(QPalette::Text), notice.color(QPalette::WindowText));
}

TEST_F(KeysFindTest, EscClosesAndGivesTheGridTheFocus) {
  CtrlF(grid());
  Type(QStringLiteral("ёлкин"));
  ASSERT_EQ(grid()->Row(), 7);
  KeyClick(field(), Qt::Key_Escape);
  EXPECT_FALSE(host.tab->FindBar->isVisible());
  EXPECT_TRUE(grid()->hasFocus());
  EXPECT_EQ(grid()->Row(), 7);
  // Reopened, the last text is there, selected to be typed over.
  CtrlF(grid());
  EXPECT_EQ(field()->text(), "ёлкин");
  EXPECT_EQ(field()->selectedText(), "ёлкин");
}

// Pictures for a human (scripts/screenshots-tabs): the find field open with a
// match and without one, and the grid's context menu.
TEST(TabsScreens, DISABLED_KeysTools) {
  const QString dir = qEnvironmentVariable("KESTRIN_SHOTS", QDir::tempPath() + "/kestrin-tabs");
  QDir().mkpath(dir);
  TabHost<TabKeys> host;
  const char* users[] = {"Директор", "Бухгалтер", "Кассир", "Охрана", "Ёлкин", "Кассир-2"};
  for (int k = 1; k <= 6; ++k) {
    host.model.SetKeyName(k, Utf8ToModel(users[k - 1]));
    host.model.SetKeyMode(k, k % 3);
    host.model.SetKeyCode(k, "1A2B3C" + std::to_string(k));
  }
  host.tab->Redraw();
  auto save = [&](const char* name) {
    QApplication::processEvents();
    QImage img = host.window.grab().toImage();
    QPainter p(&img);
    if (QWidget* popup = QApplication::activePopupWidget())
      p.drawImage(popup->mapToGlobal(QPoint(0, 0)) - host.window.mapToGlobal(QPoint(0, 0)),
                  popup->grab().toImage());
    EXPECT_TRUE(img.save(dir + "/" + name + ".png"));
  };
  host.tab->SG_Keys->setFocus();
  host.tab->SG_Keys->SetCurrent(1, 1);
  host.tab->OpenFind();
  KeyClicks(host.tab->FindBar->E_Keys_Find, QStringLiteral("касс"));
  KeyClick(host.tab->FindBar->E_Keys_Find, Qt::Key_F3);
  save("keys_find");
  KeyClicks(host.tab->FindBar->E_Keys_Find, QStringLiteral("q"));
  save("keys_find_no_match");
  KeyClick(host.tab->FindBar->E_Keys_Find, Qt::Key_Escape);
  ChooseFromMenu(host.tab, QContextMenuEvent::Keyboard, "none", [&](QMenu*) { save("keys_menu"); });
}

}  // namespace
}  // namespace kestrin
