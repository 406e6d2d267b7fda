// Start-up of the main window: which file is loaded, the debug switch, the
// fall-back to the defaults, title and status line.
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTabWidget>

#include "gui/widgets/qt_text.h"
#include "model/reader.h"
#include "model/writer.h"
#include "support/test_text.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

const QString kTitle = QStringLiteral("Конфигуратор ППКОП \"Кестрин 18кГц 8\" v.4.0.4.6   =>   ");
const QString kDefaultStatus = QStringLiteral("Конфигурация \"по-умолчанию\"");

class StartupTest : public WindowTest {
 protected:
  void ExpectDefaults(TForm2& w) {
    T_Command_DEVICE defaults;
    defaults.SetDefaults();
    EXPECT_EQ(window->Document().edited.GetVersion(), "Config RQX7 soft v.3.0");
    EXPECT_EQ(WriteConfigTextCrLf(window->Document().edited), WriteConfigTextCrLf(defaults));
    EXPECT_EQ(ShownTitle(w), kTitle);
    EXPECT_EQ(w.StatusLabel()->text(), kDefaultStatus);
    EXPECT_EQ(w.StatusLabel()->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_TRUE(w.LoadedPath().isEmpty());
    EXPECT_TRUE(w.Pages()->isVisible());
  }
  QString CopyFixture(const char* fixture, const QString& name) {
    QString target = Work(name);
    EXPECT_TRUE(QFile::copy(FixturePath(fixture), target));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
  }
};

TEST_F(StartupTest, WithoutAnyFileTheDefaultsShow) {
  TForm2& w = Start();
  ExpectDefaults(w);
  EXPECT_EQ(modals.seen, QStringList());
  EXPECT_FALSE(w.Pages()->isTabVisible(w.Pages()->indexOf(Find("TabDebug"))));
  EXPECT_EQ(w.Pages()->currentIndex(), 0);
}

TEST_F(StartupTest, MissingPathIsNoErrorAndGivesTheDefaults) {
  // A config.ini in the folder must not be taken when a path is given.
  CopyFixture("language/realistic_office_roundtrip.in", QStringLiteral("config.ini"));
  TForm2& w = Start({Path(QStringLiteral("nowhere/x.ini")).toStdString()});
  ExpectDefaults(w);
  EXPECT_EQ(modals.seen, QStringList());
}

// A damaged file of a hundred thousand empty lines and a header of a
// thousand letters: the text tab holds only its head (none without
// "-debug"), the status line a cut version; the configuration is read.
TEST_F(StartupTest, HugeFileShowsOnlyAHeadInTheTextTabAndACutVersion) {
  for (bool debug : {false, true}) {
    SCOPED_TRACE(debug);
    QFile f(Work(QStringLiteral("config.ini")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray(1000, 'v') + "\r\n" + QByteArray(100000, '\n') + "st-120\r\n");
    f.close();
    TForm2& w = debug ? Start({"-debug"}) : Start();
    EXPECT_EQ(window->Document().edited.GetSirenTime(), 120);
    const QString memo = Find<QPlainTextEdit>("Memo1")->toPlainText();
    if (debug) {
      EXPECT_EQ(memo.count(QLatin1Char('\n')), 20000);
      EXPECT_TRUE(memo.endsWith(QStringLiteral("... (ещё строк: 80002)"))) << memo.right(40).toStdString();
    } else {
      EXPECT_TRUE(memo.isEmpty());
    }
    const QString status = w.StatusLabel()->text();
    EXPECT_TRUE(status.startsWith(QStringLiteral("Конфигурация сохраненная (") + QString(100, QLatin1Char('v')) +
                                  QStringLiteral("...) от ")))
        << status.left(140).toStdString();
  }
}

TEST_F(StartupTest, DebugSwitchInCapitalsShowsTextTabAndLoadsConfigIni) {
  QString ini = CopyFixture("language/realistic_office_roundtrip.in", QStringLiteral("config.ini"));
  TForm2& w = Start({"-DEBUG"});
  QWidget* debugTab = Find("TabDebug");
  EXPECT_TRUE(w.Pages()->isTabVisible(w.Pages()->indexOf(debugTab)));
  EXPECT_EQ(w.Pages()->tabText(w.Pages()->indexOf(debugTab)), QStringLiteral("Текст"));
  EXPECT_TRUE(Find<QPlainTextEdit>("Memo1")->toPlainText().contains(QStringLiteral("Офис ООО Ромашка")));
  EXPECT_EQ(QFileInfo(w.LoadedPath()), QFileInfo(ini));
  EXPECT_TRUE(ShownTitle(w).startsWith(kTitle));
  EXPECT_TRUE(ShownTitle(w).endsWith(QStringLiteral("config.ini")));
  QString status = w.StatusLabel()->text();
  EXPECT_TRUE(status.startsWith(QStringLiteral("Конфигурация сохраненная (") +
                                ToQ(window->Document().edited.GetVersion()) + QStringLiteral(") от ")))
      << status.toStdString();
  EXPECT_TRUE(status.endsWith(QStringLiteral(" года "))) << status.toStdString();
  EXPECT_TRUE(status.contains(TForm2::FileDateText(ini)));
  // The tabs show the file.
  EXPECT_EQ(window->Document().edited.GetSirenTime(), 180);
  EXPECT_EQ(Find<QLineEdit>("E_Indic_Sirena")->text(), QStringLiteral("180"));
}

TEST_F(StartupTest, DebugSwitchWithPathLoadsThatPath) {
  QString other = CopyFixture("language/version_dots_roundtrip.in", QStringLiteral("other.gsm"));
  CopyFixture("language/realistic_office_roundtrip.in", QStringLiteral("config.ini"));
  TForm2& w = Start({"-debug", other.toStdString()});
  EXPECT_TRUE(w.Pages()->isTabVisible(w.Pages()->indexOf(Find("TabDebug"))));
  EXPECT_EQ(QFileInfo(w.LoadedPath()), QFileInfo(other));
  EXPECT_EQ(window->Document().edited.GetFileKey(), "a.b. c..d .e");
}

TEST_F(StartupTest, ConfigIniWinsOverConfigCry) {
  CopyFixture("language/realistic_office_roundtrip.in", QStringLiteral("config.ini"));
  CopyFixture(kContainerFixture, QStringLiteral("config.cry"));
  TForm2& w = Start();
  EXPECT_TRUE(w.LoadedPath().endsWith(QStringLiteral("config.ini")));
  EXPECT_EQ(modals.seen, QStringList());  // no key dialog for the container
}

TEST_F(StartupTest, ContainerWithMixedCaseExtensionAsksTheKeyFirst) {
  QString cry = CopyFixture(kContainerFixture, QStringLiteral("Panel.CrY"));
  bool tabsFilledBefore = true;
  modals.Then([&](QWidget* w) {
    // The window is not filled yet while the key is asked.
    tabsFilledBefore = window->Document().edited.GetFileKey() != "";
    w->findChild<QLineEdit*>(QStringLiteral("EditKEYConfig"))->setText(ContainerKey());
    Click(w, "BtnOK");
  });
  TForm2& w = Start({cry.toStdString()});
  EXPECT_EQ(modals.seen, QStringList{QStringLiteral("key")});
  EXPECT_FALSE(tabsFilledBefore);
  // No keys in the text: the key that opened it becomes both keys.
  EXPECT_EQ(window->Document().edited.GetFileKey(), FromQ(ContainerKey()));
  EXPECT_EQ(window->Document().edited.GetOldFileKey(), FromQ(ContainerKey()));
  EXPECT_EQ(Find<QLineEdit>("E_Common_KEY")->text(), ContainerKey());
  EXPECT_EQ(window->Document().edited.GetLoopName(2), W("Ёлочный зал"));
  EXPECT_EQ(window->Document().edited.GetExitDelay(1), 30);
  EXPECT_TRUE(w.StatusLabel()->text().startsWith(QStringLiteral("Конфигурация сохраненная (")));
  EXPECT_TRUE(ShownTitle(w).endsWith(QStringLiteral("Panel.CrY")));
}

TEST_F(StartupTest, AbandonedContainerFallsBackToExactDefaults) {
  CopyFixture(kContainerFixture, QStringLiteral("config.cry"));
  modals.ThenClick("BtnCancel");
  TForm2& w = Start();
  EXPECT_EQ(modals.seen, QStringList{QStringLiteral("key")});
  ExpectDefaults(w);
  EXPECT_TRUE(window->Document().text.Empty());
}

TEST_F(StartupTest, UnreadableStartupFileIsReportedAndDefaultsShow) {
  // A folder where the file should be cannot be read as a configuration.
  QDir(Work(QString())).mkpath(QStringLiteral("config.ini"));
  modals.ThenClick("B_Cancel");
  TForm2& w = Start();
  EXPECT_EQ(modals.seen,
            QStringList{QStringLiteral("error: Ошибка открытия файла / Проверьте наличие файла")});
  ExpectDefaults(w);
}

TEST_F(StartupTest, OversizedStartupFileIsRefused) {
  QFile big(Work(QStringLiteral("config.ini")));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  ASSERT_TRUE(big.resize(16 * 1024 * 1024 + 1));
  big.close();
  modals.ThenClick("B_Cancel");
  TForm2& w = Start();
  EXPECT_EQ(modals.seen.size(), 1);
  ExpectDefaults(w);
}

TEST_F(StartupTest, LockFileBesideStartupFileMakesItReadOnly) {
  CopyFixture("language/realistic_office_roundtrip.in", QStringLiteral("config.ini"));
  WriteBytes(Work(QStringLiteral("lock.txt")), QByteArray());
  modals.ThenClick("B_Continue");
  TForm2& w = Start();
  EXPECT_EQ(modals.seen,
            QStringList{QStringLiteral(
                "error: Прибор находится во взятом состоянии, редактирование параметров невозможно"
                " / Для изменения параметров работы прибора необходимо снять его с охраны")});
  EXPECT_TRUE(w.ReadOnly());
  EXPECT_TRUE(w.StatusLabel()->text().endsWith(QStringLiteral(" года (только чтение)")));
  EXPECT_EQ(w.StatusLabel()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  auto* toDevice = Find<QPushButton>("B_SaveToDevice");
  EXPECT_FALSE(toDevice->isVisible());
  EXPECT_FALSE(toDevice->isEnabled());
}

TEST_F(StartupTest, StoredHideHintSwitchesTooltipsOff) {
  {
    QSettings ini(Path(QStringLiteral("settings.ini")), QSettings::IniFormat);
    ini.setValue(QStringLiteral("HideHint"), 1);
  }
  Start();
  EXPECT_TRUE(window->Hints().Hidden());
  EXPECT_TRUE(window->Settings().HideHint);
}

}  // namespace
}  // namespace kestrin::test
