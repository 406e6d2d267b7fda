// The text tab ("-debug") shows the loaded configuration's text: building a
// file list or failing to open another file does not put another text there.
#include <QPlainTextEdit>

#include "files/qt/list_file_config.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

class TextTabTest : public WindowTest {
 protected:
  QString Shown() { return Find<QPlainTextEdit>("Memo1")->toPlainText(); }
};

TEST_F(TextTabTest, ShowsTheLoadedTextAfterAListAndAFailedOpen) {
  const QString office = Copy("language/realistic_office_roundtrip.in", QStringLiteral("office.ini"));
  Start({"-debug", office.toStdString()});
  const QString loaded = Shown();
  ASSERT_TRUE(loaded.contains(QStringLiteral("Склад Б"))) << loaded.left(200).toStdString();

  // A list over a folder with another plain file, every row tested.
  Copy("language/limit_examples.in", QStringLiteral("limits.ini"));
  window->Settings().ListModeOpenSave = true;
  window->Settings().ListPathSave = (Work(QString()) + QLatin1Char('/')).toStdString();
  Find<QPushButton>("B_Open")->click();
  for (int i = 0; i < 4; ++i) window->ListPanel()->TimerTestListConfigTimer();
  emit window->ListPanel()->cancelled();
  EXPECT_EQ(Shown(), loaded);

  // A file that cannot be opened leaves the loaded text where it was.
  window->Settings().ListModeOpenSave = false;
  dialogs.openAnswer = Work(QStringLiteral("gone.ini"));
  modals.ThenClick("B_Cancel");
  Find<QPushButton>("B_Open")->click();
  EXPECT_EQ(modals.seen.size(), 1);
  EXPECT_EQ(Shown(), loaded);
}

}  // namespace
}  // namespace kestrin::test
