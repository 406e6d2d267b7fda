// The command buttons' keyboard shortcuts: each does what a click does,
// nothing while its button is hidden or withdrawn, and its tooltip names it.
#include <QLabel>
#include <QTabWidget>

#include "gui/widgets/hints.h"
#include "model/writer.h"
#include "tabs_test_util.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

class ShortcutTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Start();
  }
  // The keys typed into the focused control, as the installer would.
  void Press(QKeyCombination keys) {
    QApplication::setActiveWindow(window.get());
    QWidget* target = window->focusWidget() ? window->focusWidget() : window.get();
    TypeKey(target, keys.key(), QString(), keys.keyboardModifiers());
  }
  void SetKeyField(const QString& key) { Find<QLineEdit>("E_Common_KEY")->setText(key); }
};

TEST_F(ShortcutTest, TooltipsCarryTheShortcutAfterTheHint) {
  const struct {
    const char* button;
    int hint;
    const char* keys;
  } expected[] = {{"B_Open", 10, "Ctrl+O"},          {"B_Print", 11, "Ctrl+P"},
                  {"B_SaveToDevice", 12, "Ctrl+Shift+W"}, {"B_Save", 13, "Ctrl+S"},
                  {"B_Default", 14, "Ctrl+Shift+D"}, {"B_Config", 15, "Ctrl+Shift+O"}};
  QStringList all;
  for (const auto& e : expected) {
    const QString keys = QString::fromLatin1(e.keys);
    EXPECT_EQ(Find(e.button)->toolTip(), HintText(e.hint) + QStringLiteral(" (") + keys + ')')
        << e.button;
    all << keys;
  }
  // None is one of Qt's editing keys, and none is the comparison's Ctrl+D.
  all << TForm2::CommandShortcut(QStringLiteral("A_Compare")).toString();
  EXPECT_EQ(all.last(), QStringLiteral("Ctrl+D"));
  EXPECT_EQ(all.removeDuplicates(), 0);
  for (QKeySequence::StandardKey editing :
       {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut, QKeySequence::Copy,
        QKeySequence::Paste, QKeySequence::SelectAll}) {
    for (const QKeySequence& taken : QKeySequence::keyBindings(editing))
      EXPECT_FALSE(all.contains(taken.toString())) << taken.toString().toStdString();
  }
}

TEST_F(ShortcutTest, EachShortcutRunsItsCommand) {
  // Open: the file dialog (cancelled).
  Press(Qt::CTRL | Qt::Key_O);
  EXPECT_EQ(dialogs.openCalls, 1);

  // Save: the checks first (the defaults have no file key: "Исправить").
  modals.Then([](QWidget* w) {
    EXPECT_TRUE(Describe(w).contains(QStringLiteral("Не задан ключ шифрования")));
    Click(w, "B_Cancel");
  });
  Press(Qt::CTRL | Qt::Key_S);
  EXPECT_EQ(modals.seen.size(), 1);
  EXPECT_EQ(dialogs.saveCalls, 0);

  // With a key: the save dialog (cancelled), then the drive chooser (cancelled).
  SetKeyField(QStringLiteral("K1"));
  Press(Qt::CTRL | Qt::Key_S);
  EXPECT_EQ(dialogs.saveCalls, 1);
  modals.ThenClick("BtnCancel");
  Press(Qt::CTRL | Qt::SHIFT | Qt::Key_W);
  EXPECT_EQ(modals.seen.size(), 2);
  EXPECT_EQ(modals.Unexpected(), 0);

  // Defaults: the typed key is an unsaved edit, so the one question is the
  // unsaved-changes one, refused (and not the comparison of Ctrl+D).
  window->Document().edited.SetSirenTime(123);
  modals.Then([](QWidget* w) {
    EXPECT_EQ(w->objectName(), QStringLiteral("FormSaveChanges"));
    Click(w, "BitBtnCancel");
  });
  Press(Qt::CTRL | Qt::SHIFT | Qt::Key_D);
  EXPECT_EQ(modals.seen.size(), 3);
  EXPECT_EQ(dialogs.openCalls, 1);
  EXPECT_EQ(window->Document().edited.GetSirenTime(), 123);

  // Settings: its dialog (closed).
  modals.Then([](QDialog* d) { d->reject(); });
  Press(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
  EXPECT_EQ(modals.seen.size(), 4);
  EXPECT_EQ(modals.StepsLeft(), 0);

  // Compare: the open dialog again.
  Press(Qt::CTRL | Qt::Key_D);
  EXPECT_EQ(dialogs.openCalls, 2);
}

TEST_F(ShortcutTest, PrintShortcutPrintsWhatTheTabsShow) {
  int asked = 0;
  // The window under test was built without print dialogs; build one that has them.
  StartWithCancelledPrinter(asked);
  window->GotoItem(Find("Tab_Common"), Find("E_Common_KEY"));
  SetKeyField(QStringLiteral("PRINTED"));
  Press(Qt::CTRL | Qt::Key_P);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(window->Document().edited.GetFileKey(), "PRINTED");
}

TEST_F(ShortcutTest, ShortcutStoresAnOpenCellEditorAsAClickWould) {
  window->GotoItem(Find("Tab_Shleifs"));
  auto* grid = Find<StringGrid>("SG_Shleifs");
  QWidget* editor = OpenCell(grid, 3, 1);
  ASSERT_TRUE(qobject_cast<QLineEdit*>(editor));
  KeyClicks(editor, QStringLiteral("Hall"));
  SetKeyField(QStringLiteral("K1"));
  Press(Qt::CTRL | Qt::Key_S);  // save dialog cancelled
  EXPECT_EQ(dialogs.saveCalls, 1);
  EXPECT_EQ(grid->OpenEditor(), nullptr);
  EXPECT_TRUE(QString::fromStdString(Cp1251ToUtf8(window->Document().edited.GetLoopName(1)))
                  .contains(QStringLiteral("Hall")));
}

TEST_F(ShortcutTest, HiddenOrWithdrawnButtonsIgnoreTheirShortcuts) {
  // Read-only: writing to the panel is withdrawn.
  const QString armed = Work(QStringLiteral("armed.ini"));
  ASSERT_TRUE(WriteBytes(armed, QByteArray::fromStdString(
                                    WriteConfigTextCrLf(window->Document().edited))));
  ASSERT_TRUE(WriteBytes(Work(QStringLiteral("lock.txt")), "x"));
  dialogs.openAnswer = armed;
  modals.ThenClick("B_Continue");
  Press(Qt::CTRL | Qt::Key_O);
  ASSERT_TRUE(window->ReadOnly());
  SetKeyField(QStringLiteral("K1"));
  Press(Qt::CTRL | Qt::SHIFT | Qt::Key_W);
  EXPECT_EQ(modals.seen.size(), 1);  // no drive chooser

  // List mode: the six buttons are hidden.
  QFile::remove(Work(QStringLiteral("lock.txt")));
  window->Settings().ListModeOpenSave = true;
  window->Settings().ListPathSave = (Work(QString()) + QLatin1Char('/')).toStdString();
  Find<QPushButton>("B_Open")->click();
  ASSERT_TRUE(window->ListMode());
  const int opens = dialogs.openCalls;
  for (QKeyCombination keys : {Qt::CTRL | Qt::Key_O, Qt::CTRL | Qt::Key_S, Qt::CTRL | Qt::Key_P,
                               Qt::CTRL | Qt::SHIFT | Qt::Key_D, Qt::CTRL | Qt::SHIFT | Qt::Key_O,
                               Qt::CTRL | Qt::SHIFT | Qt::Key_W}) {
    Press(keys);
  }
  EXPECT_EQ(modals.seen.size(), 1);
  EXPECT_EQ(dialogs.openCalls, opens);
  EXPECT_EQ(dialogs.saveCalls, 0);
  EXPECT_TRUE(window->ListMode());

  // Comparing changes nothing: it stays reachable in list mode and read-only.
  Press(Qt::CTRL | Qt::Key_D);
  EXPECT_EQ(dialogs.openCalls, opens + 1);
}

}  // namespace
}  // namespace kestrin::test
