// The window's writers fail safely: a failed save, write to the panel or keys
// export keeps the old file byte for byte, leaves no temporary file, names the
// cause and confirms nothing; Enter in the drive chooser writes only from "Выбрать";
// a value a check resets is the value the (hidden) tab shows.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTabWidget>

#include "editor/tab_keys.h"
#include "fake_messages.h"
#include "files/atomic_file.h"
#include "files/keys_csv.h"
#include "model/writer.h"
#include "tabs_test_util.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

class SafeOutputTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    writer = &files;
    Start();
    Find<QLineEdit>("E_Common_KEY")->setText(QStringLiteral("K1"));  // passes the checks
  }
  void Press(const char* button) { Find<QPushButton>(button)->click(); }
  QString Disk(const QString& name) { return Path(QStringLiteral("disk/") + name); }
  // Every entry of a folder, hidden ones included: a temporary file left
  // behind would show here.
  static QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot, QDir::Name);
  }
  // Saves over target, which holds old, under the faults; the one dialog seen.
  QString SaveOverUnder(const FileFaults& faults, const QString& target, const QByteArray& old) {
    EXPECT_TRUE(WriteBytes(target, old));
    files = FileWriter(faults);
    dialogs.saveAnswer = target;
    modals.seen.clear();
    modals.ThenClick("B_Cancel");
    Press("B_Save");
    files = FileWriter();
    EXPECT_EQ(modals.seen.size(), 1) << modals.seen.join(QLatin1Char('\n')).toStdString();
    return modals.seen.value(0);
  }

  FileWriter files;  // the window's writer; a test gives it faults
};

TEST_F(SafeOutputTest, FailedSaveKeepsTheOldFileAndNamesTheCause) {
  const QString target = Work(QStringLiteral("site.ini"));
  const QByteArray old("previous text\r\nwith two lines\r\n");

  FileFaults full;
  full.failWriteAtByte = 100;  // mid-way through the configuration text
  full.error = FaultError::NoSpace;
  EXPECT_EQ(SaveOverUnder(full, target, old), kCannotCreate);
  EXPECT_EQ(ReadBytes(target), old);

  FileFaults sync;
  sync.failSync = true;
  EXPECT_EQ(SaveOverUnder(sync, target, old), kCannotCreate);
  EXPECT_EQ(ReadBytes(target), old);

  // The new text was complete but could not take the old file's place.
  FileFaults rename;
  rename.failRename = true;
  rename.error = FaultError::Denied;
  EXPECT_EQ(SaveOverUnder(rename, target, old), kCannotReplace);
  EXPECT_EQ(ReadBytes(target), old);

  EXPECT_EQ(Entries(Work(QString())), QStringList{QStringLiteral("site.ini")});
}

TEST_F(SafeOutputTest, SaveKeepsPrivateModeAndFollowsALink) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no mode bits, and QFile::link makes a .lnk shortcut, not a link";
#endif
  const QString real = Work(QStringLiteral("real.ini"));
  const QString link = Work(QStringLiteral("link.ini"));
  ASSERT_TRUE(WriteBytes(real, "old"));
  const auto privateMode =
      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
  ASSERT_TRUE(QFile::setPermissions(real, privateMode));
  ASSERT_TRUE(QFile::link(real, link));

  dialogs.saveAnswer = link;
  modals.ThenClick("BitBtnContinue");
  Press("B_Save");
  EXPECT_EQ(modals.seen, QStringList{kSaved});
  // The file key and the password stay readable by the owner only.
  EXPECT_EQ(QFile::permissions(real), privateMode);
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(ReadBytes(real).toStdString(), WriteConfigTextCrLf(window->Document().edited));
}

TEST_F(SafeOutputTest, FailedWriteToThePanelKeepsItsConfigAndWritesNoClock) {
  const QString config = Disk(QStringLiteral("config.ini"));
  const QByteArray old("panel text");
  ASSERT_TRUE(WriteBytes(config, old));
  FileFaults faults;
  faults.failWriteAtByte = 50;
  files = FileWriter(faults);
  modals.ThenClick("BtnOK");     // the drive chooser
  modals.ThenClick("B_Cancel");  // the error
  Press("B_SaveToDevice");
  files = FileWriter();
  ASSERT_EQ(modals.seen.size(), 2);
  EXPECT_EQ(modals.seen[1], kCannotCreate);  // and no success message
  EXPECT_EQ(ReadBytes(config), old);
  EXPECT_EQ(Entries(Path(QStringLiteral("disk"))), QStringList{QStringLiteral("config.ini")});
}

TEST_F(SafeOutputTest, EnterOnTheDriveChoosersFocusedCancelWritesNothing) {
  modals.Then([](QWidget* d) {
    QWidget* focused = d->focusWidget();
    EXPECT_EQ(focused, Button(d, "BtnCancel"));
    TypeKey(focused ? focused : d, Qt::Key_Return);
  });
  Press("B_SaveToDevice");
  EXPECT_EQ(modals.seen, QStringList{QStringLiteral("FormLogicalDisks")});
  EXPECT_EQ(modals.StepsLeft(), 0);
  EXPECT_TRUE(Entries(Path(QStringLiteral("disk"))).isEmpty());
}

TEST_F(SafeOutputTest, DefaultSetByACheckShowsOnTheHiddenTabAndSurvivesItsEditor) {
  window->Document().edited.SetLoopType(3, 1);  // a delayed loop beyond the maximum delay
  window->Document().edited.SetLoopDelay(3, 500);
  window->Document().edited.SetFileKey("K1");
  window->Redraw_All();
  auto* grid = Find<StringGrid>("SG_Shleifs");
  ASSERT_EQ(grid->Cell(2, 3), QStringLiteral("500"));
  window->Pages()->setCurrentWidget(Find("Tab_Common"));

  modals.ThenClick("B_Default");
  dialogs.saveAnswer.clear();  // the checks pass; the save dialog is cancelled
  Press("B_Save");
  ASSERT_EQ(modals.seen.size(), 1);
  EXPECT_TRUE(modals.seen[0].contains(QStringLiteral("задержки сработки по шлейфу")));
  const int reset = window->Document().edited.GetLoopDelay(3);
  ASSERT_NE(reset, 500);
  EXPECT_EQ(grid->Cell(2, 3), QString::number(reset));

  // The installer then opens and closes that cell's editor.
  window->Pages()->setCurrentWidget(Find("Tab_Shleifs"));
  QWidget* editor = OpenCell(grid, 2, 3, OpenBy::Enter);
  ASSERT_TRUE(qobject_cast<QLineEdit*>(editor)) << "no edit field opened";
  EXPECT_EQ(static_cast<QLineEdit*>(editor)->text(), QString::number(reset));
  KeyClick(editor, Qt::Key_Return);
  EXPECT_EQ(grid->OpenEditor(), nullptr);
  EXPECT_EQ(window->Document().edited.GetLoopDelay(3), reset);
  window->UnLoad_All();
  EXPECT_EQ(window->Document().edited.GetLoopDelay(3), reset);
}

// The keys export replaces its file with the window's writer and tells a
// failure through the window's message service, as a save does.
class KeysExportTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    writer = &files;
    messages = &told;
    Start();
  }
  FakeMessages told;
  FileWriter files;
};

TEST_F(KeysExportTest, FailedExportKeepsTheOldFileAndIsToldByTheWindow) {
  const QString target = Work(QStringLiteral("keys.csv"));
  const QByteArray old("old keys\r\n");
  ASSERT_TRUE(WriteBytes(target, old));
  dialogs.saveAnswer = target;
  auto* tab = Find<TabKeys>("Tab_Keys");
  ASSERT_NE(tab, nullptr);
  FileFaults full;
  full.failWriteAtByte = 10;
  full.error = FaultError::NoSpace;
  files = FileWriter(full);
  tab->ExportKeysCsvClick();
  EXPECT_EQ(told.seen, QStringList{kCannotCreate});
  EXPECT_TRUE(modals.seen.isEmpty()) << modals.seen.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(ReadBytes(target), old);
  EXPECT_EQ(QDir(Work(QString())).entryList(QDir::Files | QDir::Hidden), QStringList{"keys.csv"});

  files = FileWriter();
  tab->ExportKeysCsvClick();
  EXPECT_EQ(ReadBytes(target).toStdString(), ExportKeysCsv(window->Document().edited));
  EXPECT_EQ(told.seen.size(), 1);
}

}  // namespace
}  // namespace kestrin::test
