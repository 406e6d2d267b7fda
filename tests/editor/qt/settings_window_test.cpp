// The settings dialog writes the store the window was handed, so that what
// the window decided of it holds there too.
#include <QDir>

#include "files/qt/settings_store.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

class SettingsWindowTest : public WindowTest {};

TEST_F(SettingsWindowTest, TheDialogWritesTheWindowsOwnStore) {
  // A folder where the settings file should be: every write fails.
  const QString ini = Path(QStringLiteral("settings.ini"));
  ASSERT_TRUE(QDir().mkpath(ini));
  auto store = std::make_shared<SettingsStore>(ini);
  TForm2Options options = Options();
  options.settings = store;
  Start(options);
  // The dialog is made and shown once before the store is told whom to tell.
  modals.Then([](QDialog* d) { d->reject(); });
  Find<QPushButton>("B_Config")->click();
  QStringList told;
  store->SetNotifier([&told](const QString& what, const QString&) { told << what; });

  modals.Then([](QDialog* d) {
    EXPECT_EQ(d->objectName(), QStringLiteral("DialogConfig"));
    Click(d, "B_OK");
  });
  Find<QPushButton>("B_Config")->click();
  EXPECT_EQ(modals.Unexpected(), 0) << modals.seen.join(QStringLiteral("; ")).toStdString();
  EXPECT_EQ(told.size(), 1);
}

}  // namespace
}  // namespace kestrin::test
