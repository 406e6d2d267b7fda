// The commands of the main window end to end: open, save, write to a fake
// panel drive, defaults, print, list mode, and the lock rule.
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTabWidget>
#include "editor/string_grid.h"

#include "gui/widgets/qt_text.h"
#include "files/qt/list_file_config.h"
#include "files/workflow.h"
#include "model/reader.h"
#include "model/writer.h"
#include "model/writer_internal.h"
#include "support/test_text.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

class WorkflowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Start();
  }
  void Press(const char* button) { Find<QPushButton>(button)->click(); }
  // A configuration that passes the checks: the defaults with a file key.
  void SetKeyField(const QString& key) {
    Find<QLineEdit>("E_Common_KEY")->setText(key);
  }
  QString Disk(const QString& name) { return Path(QStringLiteral("disk/") + name); }
};

TEST_F(WorkflowTest, OpenEditSaveWritesTheEditedText) {
  // Keys the key fields' filter lets through unchanged.
  QByteArray text = ReadBytes(FixturePath("language/realistic_office_roundtrip.in"));
  text.replace("ks2-old-key.2011 rev.2", "ks2-OLDKEY 2011      ");
  text.replace("ks1-A7F3-99K2-QQ01", "ks1-A7F3 99K2 QQ01");
  QString source = Work(QStringLiteral("office.ini"));
  ASSERT_TRUE(WriteBytes(source, text));
  dialogs.openAnswer = source;
  Press("B_Open");
  EXPECT_EQ(dialogs.lastFilters.size(), 4);
  EXPECT_EQ(dialogs.lastSelected, dialogs.lastFilters.value(3));
  EXPECT_TRUE(dialogs.lastSelected.contains(QStringLiteral("*.ini *.gsm *.cry")));
  EXPECT_EQ(QFileInfo(window->LoadedPath()), QFileInfo(source));
  QString statusAfterOpen = window->StatusLabel()->text();
  QString titleAfterOpen = ShownTitle(*window);

  // Saved once, then with one field changed. (The file's password has letters,
  // which the digital field drops, so the checks need a valid one.)
  Find<QLineEdit>("E_Common_Password")->setText(QStringLiteral("54321"));
  dialogs.saveAnswer = Work(QStringLiteral("first.ini"));
  modals.ThenClick("BitBtnContinue");
  Press("B_Save");
  Find<QLineEdit>("E_Common_Password")->setText(QStringLiteral("12345"));
  dialogs.saveAnswer = Work(QStringLiteral("second.ini"));
  modals.ThenClick("BitBtnContinue");
  Press("B_Save");
  EXPECT_EQ(modals.seen, (QStringList{kSaved, kSaved}));
  EXPECT_EQ(dialogs.lastProposed, QStringLiteral("RQX7.ini"));
  EXPECT_EQ(dialogs.lastFolder, QString());

  QByteArray first = ReadBytes(Work(QStringLiteral("first.ini")));
  QByteArray second = ReadBytes(Work(QStringLiteral("second.ini")));
  EXPECT_TRUE(first.startsWith(text.left(text.indexOf('\r'))));  // the version line
  EXPECT_TRUE(first.contains("\r\nks1-A7F3 99K2 QQ01     "));
  EXPECT_TRUE(first.contains("\r\nks2-OLDKEY 2011      "));
  EXPECT_TRUE(first.contains("\r\nla3-\xD1\xEA\xEB\xE0\xE4 \xC1"));  // "Склад Б"
  // The only difference is the password line.
  QList<QByteArray> a = first.split('\n');
  QList<QByteArray> b = second.split('\n');
  ASSERT_EQ(a.size(), b.size());
  int differing = 0;
  for (int i = 0; i < a.size(); ++i) {
    if (a[i] == b[i]) continue;
    ++differing;
    EXPECT_TRUE(a[i].startsWith("!!-54321 "));
    std::string line = "!!-12345";
    PadLine(line);
    EXPECT_EQ(b[i].toStdString(), line + "\r");
  }
  EXPECT_EQ(differing, 1);
  EXPECT_EQ(second.toStdString(), WriteConfigTextCrLf(window->Document().edited));
  // Saving changes neither the status line nor the title.
  EXPECT_EQ(window->StatusLabel()->text(), statusAfterOpen);
  EXPECT_EQ(ShownTitle(*window), titleAfterOpen);
}

TEST_F(WorkflowTest, SaveRefusedByChecksShowsNoFileDialog) {
  // The defaults have no file key.
  modals.Then([](QWidget* w) {
    EXPECT_TRUE(Describe(w).contains(QStringLiteral("Не задан ключ шифрования файла конфигурации")));
    Click(w, "B_Cancel");
  });
  Press("B_Save");
  EXPECT_EQ(modals.StepsLeft(), 0);
  EXPECT_EQ(dialogs.saveCalls, 0);
  EXPECT_EQ(window->Pages()->currentWidget(), Find("Tab_Common"));
  EXPECT_EQ(window->focusWidget(), Find("E_Common_KEY"));
}

TEST_F(WorkflowTest, CheckDefaultRedrawsAndGoesOnThenFixStops) {
  auto* indicator = Find<QLineEdit>("E_Indic_ExtIndic");
  indicator->setText(QStringLiteral("0"));  // below the minimum of 1
  modals.Then([](QWidget* w) {
    EXPECT_TRUE(Describe(w).contains(
        QStringLiteral("Недопустимая величина времени работы выносного индикатора")));
    Click(w, "B_Default");
  });
  modals.ThenClick("B_Cancel");  // then the missing file key: "Исправить"
  Press("B_Save");
  EXPECT_EQ(modals.seen.size(), 2);
  EXPECT_EQ(window->Document().edited.GetIndicatorTime(), 90);
  EXPECT_EQ(indicator->text(), QStringLiteral("90"));  // redrawn at once
  EXPECT_EQ(dialogs.saveCalls, 0);
  EXPECT_EQ(window->focusWidget(), Find("E_Common_KEY"));
}

TEST_F(WorkflowTest, CheckFixGoesToTheGridCell) {
  window->Document().edited.SetLoopType(3, 1);  // a delayed loop beyond the maximum delay
  window->Document().edited.SetLoopDelay(3, 500);
  window->Redraw_All();
  SetKeyField(QStringLiteral("K1"));
  modals.Then([](QWidget* w) {
    EXPECT_TRUE(Describe(w).contains(
        QStringLiteral("Недопустимая величина времени задержки сработки по шлейфу.")))
        << Describe(w).toStdString();
    Click(w, "B_Cancel");
  });
  Press("B_SaveToDevice");
  EXPECT_EQ(modals.seen.size(), 1) << modals.seen.join(QLatin1Char('\n')).toStdString();  // no drive chooser
  auto* grid = Find<StringGrid>("SG_Shleifs");
  EXPECT_EQ(window->Pages()->currentWidget(), Find("Tab_Shleifs"));
  EXPECT_EQ(window->focusWidget(), grid);
  EXPECT_EQ(grid->currentRow(), 2);  // loop 3 below the header row
  EXPECT_EQ(grid->currentColumn(), 2);
  EXPECT_FALSE(QFileInfo::exists(Disk(QStringLiteral("config.ini"))));
}

TEST_F(WorkflowTest, CheckDialogClosedLeavesTheFocusAlone) {
  window->GotoItem(Find("Tab_Indic"), Find("E_Indic_ExtIndic"));
  modals.Then([](QWidget* w) { w->close(); });
  Press("B_Save");
  EXPECT_EQ(modals.seen.size(), 1);
  EXPECT_EQ(window->Pages()->currentWidget(), Find("Tab_Indic"));
  EXPECT_EQ(dialogs.saveCalls, 0);
}

TEST(FileDialogFiltersTest, PipeFiltersBecomeQtNameFilters) {
  QStringList open = QtNameFilters(OpenDialogFilter());
  EXPECT_EQ(open, (QStringList{
                      "Конфигурация прибора (*.ini) (*.ini)",
                      "Конфигурация GSM-прибора (*.gsm) (*.gsm)",
                      "Шифрованная конфигурация (*.cry) (*.cry)",
                      "Все поддерживаемые форматы (*.ini, *.gsm, *.cry) (*.ini *.gsm *.cry)"}));
  // The save filter's last mask is separated by a comma and a blank.
  QStringList save = QtNameFilters(SaveDialogFilter());
  EXPECT_EQ(save.size(), 3);
  EXPECT_EQ(save.value(2), QStringLiteral("Все поддерживаемые форматы (*.ini, *.gsm) (*.ini *.gsm)"));
  EXPECT_EQ(QtNameFilters(QStringLiteral("odd|")), QStringList{QStringLiteral("odd ()")});
  EXPECT_TRUE(QtNameFilters(QStringLiteral("lonely")).isEmpty());
}

TEST_F(WorkflowTest, SaveOverWriteProtectedFileIsRefusedAndKeepsIt) {
  SetKeyField(QStringLiteral("K1"));
  QString target = Work(QStringLiteral("old.ini"));
  ASSERT_TRUE(WriteBytes(target, "previous"));
  QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  dialogs.saveAnswer = target;
  modals.ThenClick("B_Cancel");
  Press("B_Save");
  EXPECT_EQ(modals.seen, QStringList{kCannotReplace});  // and no confirmation
  EXPECT_EQ(ReadBytes(target), QByteArray("previous"));
  EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral(".tmp")));
}

TEST_F(WorkflowTest, SaveReplacesAnExistingWritableFile) {
  SetKeyField(QStringLiteral("K1"));
  QString target = Work(QStringLiteral("old.ini"));
  ASSERT_TRUE(WriteBytes(target, "previous"));
  dialogs.saveAnswer = target;
  modals.ThenClick("BitBtnContinue");
  Press("B_Save");
  EXPECT_EQ(modals.seen, QStringList{kSaved});
  EXPECT_EQ(ReadBytes(target).toStdString(), WriteConfigTextCrLf(window->Document().edited));
  EXPECT_EQ(window->Document().edited.GetFileKey(), "K1");
}

TEST_F(WorkflowTest, ProposedNameAndFolderFollowTheSettings) {
  SetKeyField(QStringLiteral("K1"));
  dialogs.saveAnswer.clear();  // cancelled: nothing written, nothing confirmed
  window->Settings().MaskMode = false;
  Press("B_Save");
  EXPECT_EQ(dialogs.lastProposed, QStringLiteral("config.ini"));
  EXPECT_EQ(dialogs.lastFolder, QString());

  // List mode: the first save takes the list folder and keeps it for the run.
  window->Settings().ListModeOpenSave = true;
  window->Settings().ListPathSave = Work(QString()).toStdString();
  Press("B_Save");
  EXPECT_EQ(dialogs.lastFolder, Work(QString()));
  window->Settings().ListPathSave = Path(QStringLiteral("disk/")).toStdString();
  Press("B_Save");
  EXPECT_EQ(dialogs.lastFolder, Work(QString()));
  EXPECT_EQ(dialogs.saveCalls, 3);
  EXPECT_EQ(modals.seen, QStringList());
}

TEST_F(WorkflowTest, WriteToDeviceWritesConfigAndClockFile) {
  SetKeyField(QStringLiteral("K1"));
  modals.ThenClick("BtnOK");  // the drive chooser: the one removable drive
  modals.ThenClick("BitBtnContinue");
  Press("B_SaveToDevice");
  ASSERT_EQ(modals.seen.size(), 2);
  EXPECT_EQ(modals.seen[1], kWritten);
  EXPECT_EQ(ReadBytes(Disk(QStringLiteral("config.ini"))).toStdString(),
            WriteConfigTextCrLf(window->Document().edited));
  EXPECT_EQ(ReadBytes(Disk(QStringLiteral("clock.txt"))), QByteArray("PPKOP R7QX clock file"));
  EXPECT_TRUE(ReadBytes(Disk(QStringLiteral("config.ini"))).contains("ks1-K1"));
}

TEST_F(WorkflowTest, WriteToDeviceRefusesProtectedConfigAndWritesNoClock) {
  SetKeyField(QStringLiteral("K1"));
  QString config = Disk(QStringLiteral("config.ini"));
  ASSERT_TRUE(WriteBytes(config, "armed panel"));
  QFile::setPermissions(config, QFile::ReadOwner);
  modals.ThenClick("BtnOK");
  modals.ThenClick("B_Cancel");
  Press("B_SaveToDevice");
  EXPECT_EQ(modals.seen.value(1), kCannotReplace);
  EXPECT_EQ(modals.seen.size(), 2);
  EXPECT_EQ(ReadBytes(config), QByteArray("armed panel"));
  EXPECT_FALSE(QFileInfo::exists(Disk(QStringLiteral("clock.txt"))));
}

TEST_F(WorkflowTest, ClockFileThatCannotBeCreatedIsReported) {
  SetKeyField(QStringLiteral("K1"));
  QDir(Path(QStringLiteral("disk"))).mkpath(QStringLiteral("clock.txt"));
  modals.ThenClick("BtnOK");
  modals.ThenClick("B_Cancel");
  Press("B_SaveToDevice");
  EXPECT_EQ(modals.seen.size(), 2);
  EXPECT_EQ(modals.seen.value(1), kCannotCreate);  // and no success message
  EXPECT_EQ(ReadBytes(Disk(QStringLiteral("config.ini"))).toStdString(),
            WriteConfigTextCrLf(window->Document().edited));
}

TEST_F(WorkflowTest, WriteToDeviceCancelledAtTheDriveChooserWritesNothing) {
  SetKeyField(QStringLiteral("K1"));
  modals.ThenClick("BtnCancel");
  Press("B_SaveToDevice");
  EXPECT_EQ(modals.seen.size(), 1);
  EXPECT_FALSE(QFileInfo::exists(Disk(QStringLiteral("config.ini"))));
}

TEST_F(WorkflowTest, LockFileWithdrawsWriteToDeviceUntilDefaults) {
  QString source = Copy("language/realistic_office_roundtrip.in", QStringLiteral("armed.ini"));
  ASSERT_TRUE(WriteBytes(Work(QStringLiteral("lock.txt")), "x"));
  dialogs.openAnswer = source;
  modals.ThenClick("B_Continue");
  Press("B_Open");
  ASSERT_EQ(modals.seen.size(), 1);
  EXPECT_TRUE(modals.seen[0].contains(QStringLiteral("Прибор находится во взятом состоянии")));
  QLabel* status = window->StatusLabel();
  EXPECT_TRUE(status->text().endsWith(QStringLiteral(" года (только чтение)")));
  EXPECT_EQ(status->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  auto* toDevice = Find<QPushButton>("B_SaveToDevice");
  EXPECT_FALSE(toDevice->isVisible());
  EXPECT_FALSE(toDevice->isEnabled());
  EXPECT_TRUE(window->ReadOnly());

  KeyDialog().SetKeyText(QStringLiteral("typed"));
  modals.ThenClick("BitBtnContinue");
  Press("B_Default");
  EXPECT_TRUE(modals.seen.value(1).contains(
      QStringLiteral("Вы хотите \"сбросить\" настройки в значение \"по-умолчанию\"?")));
  EXPECT_EQ(status->text(), QStringLiteral("Конфигурация \"по-умолчанию\""));
  EXPECT_EQ(status->palette().color(QPalette::WindowText), QColor(0, 128, 0));
  EXPECT_TRUE(toDevice->isVisible());
  EXPECT_TRUE(toDevice->isEnabled());
  EXPECT_FALSE(window->ReadOnly());
  EXPECT_EQ(window->Document().edited.GetVersion(), "Config RQX7 soft v.3.0");
  EXPECT_TRUE(KeyDialog().KeyText().isEmpty());
  EXPECT_TRUE(ShownTitle(*window).endsWith(QStringLiteral("=>   ")));
  EXPECT_EQ(Find<QLineEdit>("E_Common_KEY")->text(), QString());
}

TEST_F(WorkflowTest, DefaultsRefusedKeepTheConfiguration) {
  window->Document().edited.SetSirenTime(123);
  modals.ThenClick("BitBtnCancel");
  Press("B_Default");
  EXPECT_EQ(modals.seen.size(), 1);
  EXPECT_EQ(window->Document().edited.GetSirenTime(), 123);
}

TEST_F(WorkflowTest, ContainerByExtensionTriesTheKeyDialogTextFirst) {
  QString cry = Copy(kContainerFixture, QStringLiteral("PANEL.CRY"));
  KeyDialog().SetKeyText(ContainerKey());
  dialogs.openAnswer = cry;
  Press("B_Open");
  EXPECT_EQ(modals.seen, QStringList());  // the typed key opened it at once
  EXPECT_EQ(window->Document().edited.GetLoopName(2), W("Ёлочный зал"));
  EXPECT_EQ(window->Document().edited.GetFileKey(), FromQ(ContainerKey()));
  EXPECT_EQ(QFileInfo(window->LoadedPath()), QFileInfo(cry));
}

TEST_F(WorkflowTest, GsmExtensionIsPlainText) {
  QString gsm = Copy("container/a_short_3line.txt", QStringLiteral("plain.gsm"));
  dialogs.openAnswer = gsm;
  Press("B_Open");
  EXPECT_EQ(modals.seen, QStringList());
  EXPECT_EQ(window->Document().edited.GetLoopName(1), W("Вход главный"));
}

TEST_F(WorkflowTest, FailedOpensLeaveTheConfigurationAsItWas) {
  QString source = Copy("language/realistic_office_roundtrip.in", QStringLiteral("office.ini"));
  dialogs.openAnswer = source;
  Press("B_Open");
  const std::string before = WriteConfigTextCrLf(window->Document().edited);
  const QString title = ShownTitle(*window);

  // A container given up on at the key dialog: the text buffer is emptied.
  dialogs.openAnswer = Copy(kContainerFixture, QStringLiteral("x.cry"));
  modals.ThenClick("BtnCancel");
  Press("B_Open");
  EXPECT_TRUE(window->Document().text.Empty());

  // A folder and an oversized file are refused with the opening pair.
  QDir(Work(QString())).mkpath(QStringLiteral("folder.ini"));
  dialogs.openAnswer = Work(QStringLiteral("folder.ini"));
  modals.ThenClick("B_Cancel");
  Press("B_Open");
  QFile big(Work(QStringLiteral("big.ini")));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  ASSERT_TRUE(big.resize(16 * 1024 * 1024 + 1));
  big.close();
  dialogs.openAnswer = big.fileName();
  modals.ThenClick("B_Cancel");
  Press("B_Open");
  EXPECT_EQ(modals.seen, (QStringList{QStringLiteral("key"), kCannotOpen, kCannotOpen}));
  EXPECT_EQ(WriteConfigTextCrLf(window->Document().edited), before);
  EXPECT_EQ(ShownTitle(*window), title);
  EXPECT_EQ(QFileInfo(window->LoadedPath()), QFileInfo(source));

  // Cancelling the open dialog does nothing at all.
  dialogs.openAnswer.clear();
  Press("B_Open");
  EXPECT_EQ(WriteConfigTextCrLf(window->Document().edited), before);
}

TEST_F(WorkflowTest, PrintUnloadsTheTabsFirst) {
  int asked = 0;
  // The window under test was built without print dialogs; build one that has them.
  StartWithCancelledPrinter(asked);
  Find<QLineEdit>("E_Common_KEY")->setText(QStringLiteral("PRINTED"));
  Press("B_Print");
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(window->Document().edited.GetFileKey(), "PRINTED");
}

TEST_F(WorkflowTest, ListModeOpensARowInPlaceOfTheTabs) {
  Copy("language/realistic_office_roundtrip.in", QStringLiteral("office.ini"));
  Copy(kContainerFixture, QStringLiteral("panel.cry"));
  window->Settings().ListModeOpenSave = true;
  window->Settings().ListPathSave = (Work(QString()) + QLatin1Char('/')).toStdString();
  Press("B_Open");
  ListFileConfigPanel* panel = window->ListPanel();
  EXPECT_TRUE(panel->isVisible());
  EXPECT_TRUE(window->ListMode());
  EXPECT_FALSE(window->Pages()->isVisible());
  for (const char* name : {"B_Open", "B_Print", "B_SaveToDevice", "B_Save", "B_Default", "B_Config"})
    EXPECT_FALSE(Find<QWidget>(name)->isVisible()) << name;
  EXPECT_EQ(dialogs.openCalls, 0);

  // A container row: the last applied key is tried first; status kind 2.
  window->Document().lastAppliedKey = FromQ(ContainerKey());
  emit panel->openRequested(Work(QStringLiteral("panel.cry")), true);
  EXPECT_EQ(modals.seen, QStringList());
  EXPECT_FALSE(panel->isVisible());
  EXPECT_FALSE(window->ListMode());
  EXPECT_TRUE(window->Pages()->isVisible());
  EXPECT_TRUE(Find<QWidget>("B_SaveToDevice")->isVisible());
  EXPECT_TRUE(window->StatusLabel()->text().startsWith(QStringLiteral("Конфигурация прибора (")));
  EXPECT_TRUE(ShownTitle(*window).endsWith(QStringLiteral("panel.cry")));

  // A failed row stays in list mode.
  Press("B_Open");
  modals.ThenClick("B_Cancel");
  emit panel->openRequested(Work(QStringLiteral("gone.ini")), false);
  EXPECT_TRUE(window->ListMode());
  EXPECT_TRUE(panel->isVisible());
  // "Отменить" hands the buttons back.
  emit panel->cancelled();
  EXPECT_FALSE(window->ListMode());
  EXPECT_TRUE(Find<QWidget>("B_Open")->isVisible());
}

}  // namespace
}  // namespace kestrin::test
