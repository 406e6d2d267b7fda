// Ctrl+Z and Ctrl+Y over stored edits: a grid cell, a field left, a type
// change that moves several cells; the title's mark follows.
#include <QTabWidget>

#include "editor/string_grid.h"
#include "gui/widgets/qt_text.h"
#include "model/catalogues.h"
#include "model/type_codes.h"
#include "tabs_test_util.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

class UndoTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Start({Copy("language/realistic_office_roundtrip.in", QStringLiteral("office.ini")).toStdString()});
    QApplication::setActiveWindow(window.get());
  }
  StringGrid* Loops() { return Find<StringGrid>("SG_Shleifs"); }
  void Press(QKeyCombination keys) {
    QApplication::setActiveWindow(window.get());
    QWidget* target = window->focusWidget() ? window->focusWidget() : window.get();
    TypeKey(target, keys.key(), QString(), keys.keyboardModifiers());
    QCoreApplication::processEvents();
  }
  bool Marked() { return ShownTitle(*window).endsWith(QLatin1Char('*')); }
};

TEST_F(UndoTest, UndoAndRedoACellAFieldAndATypeChange) {
  const T_Command_DEVICE loaded = window->Document().edited;
  window->GotoItem(Find("Tab_Shleifs"));
  EditCell(Loops(), 3, 2, QStringLiteral("Zal"));  // loop 2's alias
  QCoreApplication::processEvents();
  const std::string alias = "Zal";
  ASSERT_EQ(window->Document().edited.GetLoopName(2), alias);
  EXPECT_EQ(window->History().StepCount(), 2u) << "after the cell";

  // A field typed and left.
  window->GotoItem(Find("Tab_Indic"), Find("E_Indic_Sirena"));
  auto* siren = Find<QLineEdit>("E_Indic_Sirena");
  siren->selectAll();
  KeyClicks(siren, QStringLiteral("45"));
  Press(Qt::CTRL | Qt::Key_Z);  // while typed: the field's own undo
  EXPECT_NE(siren->text(), QStringLiteral("45"));
  KeyClicks(siren, QStringLiteral("45"));
  window->GotoItem(Find("Tab_Shleifs"), Loops());  // the field is left
  QCoreApplication::processEvents();
  EXPECT_EQ(window->History().StepCount(), 3u) << "after the field";

  // A type change: one step, though it moves the delay and partition cells too.
  int delayed = 0;  // the list position of "охранный с задержкой"
  while (LoopTypeCode(delayed + 1) != Code(LoopType::kDelayed)) ++delayed;
  ChooseInList(Loops(), 1, 7, delayed);  // loop 7, unused in the file
  QCoreApplication::processEvents();
  ASSERT_EQ(window->Document().edited.GetLoopType(7), Code(LoopType::kDelayed));
  EXPECT_TRUE(Marked());
  EXPECT_EQ(window->History().StepCount(), 4u);
  EXPECT_EQ(window->History().CurrentStep(), 3u);

  Press(Qt::CTRL | Qt::Key_Z);
  EXPECT_EQ(window->History().CurrentStep(), 2u);
  EXPECT_EQ(window->Document().edited.GetLoopType(7), loaded.GetLoopType(7));
  EXPECT_EQ(window->Document().edited.GetLoopDelay(7), loaded.GetLoopDelay(7));
  EXPECT_EQ(window->focusWidget(), Loops());
  EXPECT_EQ(Loops()->currentIndex().row(), 7 - 1);

  Press(Qt::CTRL | Qt::Key_Z);
  EXPECT_EQ(window->Pages()->currentWidget(), Find("Tab_Indic"));
  EXPECT_EQ(siren->text(), QString::number(loaded.GetSirenTime()));
  Press(Qt::CTRL | Qt::Key_Z);  // the siren field has the focus, untyped: the window's undo
  EXPECT_EQ(window->Document().edited.GetLoopName(2), loaded.GetLoopName(2));
  EXPECT_EQ(Loops()->Cell(3, 2), ToQ(loaded.GetLoopName(2)));
  EXPECT_FALSE(Marked());  // back at the file as loaded
  EXPECT_FALSE(window->History().CanUndo());

  Press(Qt::CTRL | Qt::Key_Y);
  EXPECT_EQ(window->Document().edited.GetLoopName(2), alias);
  Press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
  EXPECT_EQ(window->Document().AsShown().GetSirenTime(), 45);
  EXPECT_EQ(siren->text(), QStringLiteral("45"));
  Press(Qt::CTRL | Qt::Key_Y);
  EXPECT_EQ(window->Document().edited.GetLoopType(7), Code(LoopType::kDelayed));
  EXPECT_TRUE(Marked());
  EXPECT_FALSE(window->History().CanRedo());
}

}  // namespace
}  // namespace kestrin::test
