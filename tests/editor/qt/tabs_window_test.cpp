// The tabs inside the main window: cell editors work there as standalone and
// store into the program's edited model.
#include "editor/tab_keys.h"
#include "editor/tab_shleifs.h"
#include "tabs_test_util.h"
#include "window_test_support.h"

namespace kestrin {
namespace {

class TabsInWindow : public test::WindowTest {};

TEST_F(TabsInWindow, KeyNamesTypedInTheWindowReachTheEditedModel) {
  TForm2& w = Start();
  ASSERT_TRUE(test::WaitFor([&] { return w.isActiveWindow(); }));
  auto* grid = Find<StringGrid>("SG_Keys");
  ASSERT_TRUE(grid);
  auto* pages = Find<QTabWidget>("PagesParam");
  ASSERT_TRUE(pages);
  pages->setCurrentWidget(grid->parentWidget());
  QApplication::processEvents();
  for (int round = 0; round < 2; ++round) {
    QWidget* ed = test::OpenCell(grid, 1, 2 + round);
    ASSERT_TRUE(qobject_cast<QLineEdit*>(ed));
    EXPECT_EQ(ed->palette().color(QPalette::Base), QColor(255, 255, 0)) << round;
    test::KeyClicks(ed, QStringLiteral("Ира"));
    test::KeyClick(ed, Qt::Key_Return);
  }
  EXPECT_EQ(window->Document().edited.GetKeyName(2), test::Utf8ToModel("Ира"));
  EXPECT_EQ(window->Document().edited.GetKeyName(3), test::Utf8ToModel("Ира"));
}

}  // namespace
}  // namespace kestrin
