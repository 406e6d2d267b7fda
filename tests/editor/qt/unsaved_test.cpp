// Unsaved edits are never lost without a question: the "*" of the title, and
// the question before open, a list row, the defaults and closing.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTabWidget>

#include "files/qt/list_file_config.h"
#include "model/writer.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

const QString kQuestion = QStringLiteral("FormSaveChanges");
const QString kAskDefaults = QStringLiteral(
    "ok: Вы хотите \"сбросить\" настройки в значение \"по-умолчанию\"? / (все введённые значения "
    "параметров будут потеряны)");

class UnsavedTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Start();
  }
  QLineEdit* KeyField() { return Find<QLineEdit>("E_Common_KEY"); }
  // An edit that passes the checks (the defaults lack only the file key).
  void Edit() { KeyField()->setText(QStringLiteral("K1")); }
  void Press(const char* button) { Find<QPushButton>(button)->click(); }
  // Lets the edit signals reach the title; true once it shows the "*".
  bool TitleMarked() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1000 && !ShownTitle(*window).endsWith(QLatin1Char('*')))
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return ShownTitle(*window).endsWith(QLatin1Char('*'));
  }
  QString Office() { return Copy("language/realistic_office_roundtrip.in", QStringLiteral("o.ini")); }
};

TEST_F(UnsavedTest, TitleMarksEditsByTextNotByEvents) {
  EXPECT_FALSE(window->IsModified());
  EXPECT_FALSE(ShownTitle(*window).endsWith(QLatin1Char('*')));
  Edit();
  EXPECT_TRUE(TitleMarked());
  EXPECT_TRUE(ShownTitle(*window).startsWith(window->windowTitle().remove(QStringLiteral("[*]"))));
  // Undone by hand: no change. Looking leaves the model alone.
  KeyField()->clear();
  window->UpdateModifiedMark();
  EXPECT_FALSE(ShownTitle(*window).endsWith(QLatin1Char('*')));
  Edit();
  EXPECT_TRUE(window->IsModified());
  EXPECT_EQ(window->Document().edited.GetFileKey(), "");
}

TEST_F(UnsavedTest, ShownFilesAreUnchangedUntilEdited) {
  // Files whose keys the fields would filter still count as shown, not edited.
  dialogs.openAnswer = Office();
  Press("B_Open");
  EXPECT_FALSE(window->IsModified());
  dialogs.openAnswer = Copy(kContainerFixture, QStringLiteral("panel.cry"));
  modals.ThenKey(ContainerKey());
  Press("B_Open");
  EXPECT_EQ(QFileInfo(window->LoadedPath()).fileName(), QStringLiteral("panel.cry"));
  EXPECT_FALSE(window->IsModified());
  EXPECT_EQ(modals.seen, QStringList{QStringLiteral("key")});
  Find<QLineEdit>("E_Common_Password")->setText(QStringLiteral("999"));
  EXPECT_TRUE(window->IsModified());
}

TEST_F(UnsavedTest, OpenAsksAndCancelKeepsTheEdits) {
  dialogs.openAnswer = Office();
  Edit();
  modals.ThenClick("BitBtnCancel");
  Press("B_Open");
  EXPECT_EQ(modals.seen, QStringList{kQuestion});
  EXPECT_EQ(dialogs.openCalls, 0);
  EXPECT_EQ(KeyField()->text(), QStringLiteral("K1"));
  EXPECT_TRUE(window->LoadedPath().isEmpty());

  modals.ThenClick("BitBtnDiscard");
  Press("B_Open");
  EXPECT_EQ(dialogs.openCalls, 1);
  EXPECT_EQ(QFileInfo(window->LoadedPath()), QFileInfo(dialogs.openAnswer));
  EXPECT_FALSE(window->IsModified());
  // Unchanged: no question at all.
  Press("B_Open");
  EXPECT_EQ(modals.seen.size(), 2);
  EXPECT_EQ(dialogs.openCalls, 2);
}

TEST_F(UnsavedTest, SaveFirstThenOpenAndRefusedSaveCancelsTheOpen) {
  dialogs.openAnswer = Office();
  Edit();
  // The save dialog cancelled: the open is cancelled too.
  modals.ThenClick("BitBtnSave");
  Press("B_Open");
  EXPECT_EQ(dialogs.saveCalls, 1);
  EXPECT_EQ(dialogs.openCalls, 0);
  EXPECT_TRUE(window->IsModified());

  // Saved: confirmed, then the open goes on.
  dialogs.saveAnswer = Work(QStringLiteral("kept.ini"));
  modals.ThenClick("BitBtnSave").ThenClick("BitBtnContinue");
  Press("B_Open");
  EXPECT_EQ(modals.seen, (QStringList{kQuestion, kQuestion, kSaved}));
  EXPECT_TRUE(ReadBytes(dialogs.saveAnswer).contains("ks1-K1"));
  EXPECT_EQ(dialogs.openCalls, 1);
  EXPECT_EQ(QFileInfo(window->LoadedPath()), QFileInfo(dialogs.openAnswer));
}

TEST_F(UnsavedTest, SaveRefusedByTheChecksCancelsTheOpen) {
  Find<QLineEdit>("E_Common_Password")->setText(QStringLiteral("54321"));  // no file key yet
  modals.ThenClick("BitBtnSave").ThenClick("B_Cancel");  // "Исправить"
  Press("B_Open");
  EXPECT_EQ(modals.seen.size(), 2);
  EXPECT_EQ(dialogs.saveCalls, 0);
  EXPECT_EQ(dialogs.openCalls, 0);
  EXPECT_EQ(window->focusWidget(), KeyField())
      << (window->focusWidget() ? window->focusWidget()->objectName().toStdString() : "none");
}

TEST_F(UnsavedTest, ListRowAsksBeforeItReplacesTheConfiguration) {
  Office();
  window->Settings().ListModeOpenSave = true;
  window->Settings().ListPathSave = (Work(QString()) + QLatin1Char('/')).toStdString();
  Edit();
  Press("B_Open");  // the list itself loses nothing
  EXPECT_TRUE(modals.seen.isEmpty());
  ListFileConfigPanel* panel = window->ListPanel();
  modals.ThenClick("BitBtnCancel");
  emit panel->openRequested(Work(QStringLiteral("o.ini")), false);
  EXPECT_EQ(modals.seen, QStringList{kQuestion});
  EXPECT_TRUE(window->ListMode());
  EXPECT_EQ(KeyField()->text(), QStringLiteral("K1"));

  modals.ThenClick("BitBtnDiscard");
  emit panel->openRequested(Work(QStringLiteral("o.ini")), false);
  EXPECT_FALSE(window->ListMode());
  EXPECT_EQ(QFileInfo(window->LoadedPath()).fileName(), QStringLiteral("o.ini"));
}

TEST_F(UnsavedTest, DefaultsAskOneQuestion) {
  // Unchanged: the reset's own confirmation.
  modals.ThenClick("BitBtnCancel");
  Press("B_Default");
  EXPECT_EQ(modals.seen, QStringList{kAskDefaults});

  // Changed: the save question alone; "Не сохранять" resets.
  Edit();
  modals.ThenClick("BitBtnCancel");
  Press("B_Default");
  EXPECT_EQ(KeyField()->text(), QStringLiteral("K1"));
  modals.ThenClick("BitBtnDiscard");
  Press("B_Default");
  EXPECT_EQ(modals.seen, (QStringList{kAskDefaults, kQuestion, kQuestion}));
  EXPECT_EQ(KeyField()->text(), QString());
  EXPECT_FALSE(window->IsModified());

  // "Сохранить": saved and confirmed, then reset without another question.
  Edit();
  dialogs.saveAnswer = Work(QStringLiteral("before-reset.ini"));
  modals.ThenClick("BitBtnSave").ThenClick("BitBtnContinue");
  Press("B_Default");
  EXPECT_EQ(modals.seen.mid(3), (QStringList{kQuestion, kSaved}));
  EXPECT_TRUE(ReadBytes(dialogs.saveAnswer).contains("ks1-K1"));
  EXPECT_EQ(KeyField()->text(), QString());
}

TEST_F(UnsavedTest, ClosingAsksAndCancelKeepsTheWindow) {
  Edit();
  modals.ThenClick("BitBtnCancel");
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  modals.Then([](QDialog* d) { d->reject(); });  // Esc or the title bar: stay
  EXPECT_FALSE(window->close());
  modals.ThenClick("BitBtnDiscard");
  EXPECT_TRUE(window->close());
  EXPECT_EQ(modals.seen, (QStringList{kQuestion, kQuestion, kQuestion}));
}

TEST_F(UnsavedTest, UnchangedAndReadOnlyNeverAsk) {
  EXPECT_TRUE(window->close());
  window->show();
  const QString armed = Office();
  ASSERT_TRUE(WriteBytes(Work(QStringLiteral("lock.txt")), "x"));
  dialogs.openAnswer = armed;
  modals.ThenClick("B_Continue");
  Press("B_Open");
  ASSERT_TRUE(window->ReadOnly());
  Edit();
  EXPECT_TRUE(window->IsModified());
  modals.ThenClick("BitBtnCancel");  // the reset's confirmation, not the save question
  Press("B_Default");
  EXPECT_TRUE(window->close());
  EXPECT_EQ(modals.seen.size(), 2);
  EXPECT_FALSE(modals.seen.contains(kQuestion));
}

TEST_F(UnsavedTest, SaveAndPanelWriteMoveTheBaseline) {
  Edit();
  dialogs.saveAnswer = Work(QStringLiteral("a.ini"));
  modals.ThenClick("BitBtnContinue");
  Press("B_Save");
  EXPECT_FALSE(window->IsModified());
  EXPECT_FALSE(ShownTitle(*window).endsWith(QLatin1Char('*')));

  KeyField()->setText(QStringLiteral("K2"));
  EXPECT_TRUE(TitleMarked());
  modals.ThenClick("BtnOK").ThenClick("BitBtnContinue");
  Press("B_SaveToDevice");
  EXPECT_FALSE(window->IsModified());
  EXPECT_FALSE(ShownTitle(*window).endsWith(QLatin1Char('*')));
  EXPECT_TRUE(window->close());
}

}  // namespace
}  // namespace kestrin::test
