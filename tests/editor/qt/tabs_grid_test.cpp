// Grid cell editors as used on the partitions and loops tabs.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

#include "editor/tab_parts.h"
#include "editor/tab_shleifs.h"
#include "model/catalogues.h"
#include "tabs_test_util.h"

namespace kestrin {
namespace {

using test::ChooseInList;
using test::EditCell;
using test::OpenBy;
using test::OpenCell;
using test::TabHost;

TEST(GridEditors, DigitEditorOpensByEachMeansAndStoresOnEnterAndEsc) {
  TabHost<TabParts> host;
  StringGrid* g = host.tab->SG_Parts;
  EditCell(g, 1, 2, "45", Qt::Key_Return, OpenBy::DoubleClick);
  EXPECT_EQ(host.model.GetExitDelay(2), 45);
  EXPECT_EQ(g->Cell(1, 2), "45");
  // Esc stores exactly as Enter does.
  EditCell(g, 1, 3, "17", Qt::Key_Escape, OpenBy::Enter);
  EXPECT_EQ(host.model.GetExitDelay(3), 17);
  EditCell(g, 1, 4, "120", Qt::Key_Return, OpenBy::Space);
  EXPECT_EQ(host.model.GetExitDelay(4), 120);
  EXPECT_EQ(g->Cell(1, 4), "120");
  // The editor is gone and the grid has the focus back.
  EXPECT_EQ(QApplication::focusWidget(), g);
  EXPECT_EQ(g->OpenEditor(), nullptr);
}

TEST(GridEditors, EmptiedDelayStoresZeroAndDigitFilterCleansInput) {
  TabHost<TabParts> host;
  StringGrid* g = host.tab->SG_Parts;
  QWidget* ed = OpenCell(g, 1, 5);
  auto* edit = qobject_cast<QLineEdit*>(ed);
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->text(), "90");  // opens with the cell's text
  test::KeyClick(edit, Qt::Key_Backspace);  // the text is selected on opening
  EXPECT_EQ(edit->text(), "");
  test::KeyClicks(edit, "a-");  // letters and minus are refused
  EXPECT_EQ(edit->text(), "");
  test::KeyClick(edit, Qt::Key_Return);
  EXPECT_EQ(host.model.GetExitDelay(5), 0);
  EXPECT_EQ(g->Cell(1, 5), "0");

  // Pasting digits mixed with letters keeps the digits in order, caret at the end.
  edit = qobject_cast<QLineEdit*>(OpenCell(g, 1, 6));
  ASSERT_TRUE(edit);
  edit->clear();
  test::KeyPaste(edit, "x1-y2z");
  EXPECT_EQ(edit->text(), "12");
  EXPECT_EQ(edit->cursorPosition(), 2);
  test::KeyClicks(edit, "3456");  // at most 3 characters
  EXPECT_EQ(edit->text(), "123");
  test::KeyClick(edit, Qt::Key_Return);
  EXPECT_EQ(host.model.GetExitDelay(6), 123);
}

TEST(GridEditors, ClickOutsideClosesAndStores) {
  TabHost<TabShleifs> host;
  StringGrid* g = host.tab->SG_Shleifs;
  QWidget* ed = OpenCell(g, 3, 2);
  ASSERT_EQ(ed, host.tab->NameEditor);
  test::KeyClicks(ed, "Hall");
  // A click on the alarm-repeat label, which takes no focus.
  test::MouseClick(host.tab->findChild<QLabel*>("L_Shleif_AlarmRepeat1"));
  EXPECT_FALSE(host.tab->NameEditor->isVisible());
  EXPECT_EQ(host.model.GetLoopName(2), "Hall");
  EXPECT_EQ(g->Cell(3, 2), "Hall");
  // A click on another cell stores the first and does nothing else: the
  // current cell stays, as under the editor's mouse capture.
  ed = OpenCell(g, 3, 3);
  test::KeyClicks(ed, "Door");
  test::MouseClick(g->viewport(), test::CellCentre(g, 3, 5));
  EXPECT_EQ(host.model.GetLoopName(3), "Door");
  EXPECT_EQ(g->Row(), 3);
}

TEST(GridEditors, EmptySlotOpensNothing) {
  TabHost<TabShleifs> host;
  StringGrid* g = host.tab->SG_Shleifs;
  // Default loops are unused: no delay editor.
  for (OpenBy how : {OpenBy::DoubleClick, OpenBy::Enter, OpenBy::Space}) {
    EXPECT_EQ(OpenCell(g, 2, 1, how), g);
    EXPECT_EQ(g->OpenEditor(), nullptr);
  }
  EXPECT_EQ(OpenCell(g, 0, 1), g);  // the number column
}

TEST(LoopsTab, TypeRulesThroughTheTypeList) {
  TabHost<TabShleifs> host;
  StringGrid* g = host.tab->SG_Shleifs;
  auto position = [](int code) {
    for (int k = 1; k <= kLoopTypePositions; ++k)
      if (LoopTypeCode(k) == code) return k - 1;
    return -1;
  };
  ChooseInList(g, 1, 1, position(2));
  EXPECT_EQ(host.model.GetLoopType(1), 2);
  EXPECT_EQ(g->Cell(2, 1), "");
  EXPECT_EQ(g->Slot(2, 1), nullptr);
  // Guard without delay -> with delay: default 90 shown and stored.
  ChooseInList(g, 1, 1, position(1));
  EXPECT_EQ(host.model.GetLoopDelay(1), 90);
  EXPECT_EQ(g->Cell(2, 1), "90");
  EXPECT_EQ(g->Cell(1, 1), ToQ(LoopTypeText(1)));
  EditCell(g, 2, 1, "30");
  EXPECT_EQ(host.model.GetLoopDelay(1), 30);
  ChooseInList(g, 1, 1, position(2));
  EXPECT_EQ(host.model.GetLoopDelay(1), 0);
  EXPECT_EQ(g->Cell(2, 1), "");

  // Patrol: partition emptied and not editable; a guard type puts it into 1.
  host.model.SetLoopPartition(1, 3);
  ChooseInList(g, 1, 1, position(14));
  EXPECT_EQ(host.model.GetLoopPartition(1), 0);
  EXPECT_EQ(g->Cell(4, 1), "");
  EXPECT_EQ(OpenCell(g, 4, 1), g);
  ChooseInList(g, 1, 1, position(3));
  EXPECT_EQ(host.model.GetLoopPartition(1), 1);
  EXPECT_EQ(g->Cell(4, 1), "1");
  ChooseInList(g, 4, 1, 6);
  EXPECT_EQ(host.model.GetLoopPartition(1), 7);
  EXPECT_EQ(g->Cell(4, 1), "7");
}

TEST(LoopsTab, ListOpensOnTheCellsItemWithItsHelpBeside) {
  TabHost<TabShleifs> host;
  StringGrid* g = host.tab->SG_Shleifs;
  host.model.SetLoopType(2, 8);
  host.tab->Redraw();
  auto* combo = qobject_cast<GridComboBox*>(OpenCell(g, 1, 2));
  ASSERT_TRUE(combo);
  EXPECT_TRUE(combo->view()->isVisible());
  EXPECT_EQ(combo->currentText(), ToQ(LoopTypeText(8)));
  QLabel* help = combo->HelpWindow();
  ASSERT_TRUE(help);
  EXPECT_EQ(help->text(), ToQ(CatalogueHelp(LoopTypeText(8))).replace('\r', '\n'));
  EXPECT_GE(help->x(), combo->view()->mapToGlobal(QPoint(0, 0)).x() + combo->view()->width() - 2);
  // Esc on the dropped list closes it, keeping the type.
  test::KeyClick(combo->view(), Qt::Key_Escape);
  EXPECT_TRUE(test::WaitFor([combo] { return !combo->isVisible(); }));
  EXPECT_EQ(combo->HelpWindow(), nullptr);
  EXPECT_EQ(host.model.GetLoopType(2), 8);
  EXPECT_EQ(host.window.focusWidget(), g);
}

TEST(LoopsTab, ClosingTheTypeListWithoutAChoiceKeepsAnUnlistedType) {
  TabHost<TabShleifs> host;
  StringGrid* g = host.tab->SG_Shleifs;
  host.model.SetLoopType(4, 13);  // within the row's limits, not in the catalogue
  host.tab->Redraw();
  auto* combo = qobject_cast<GridComboBox*>(OpenCell(g, 1, 4));
  ASSERT_TRUE(combo);
  EXPECT_EQ(combo->currentIndex(), -1);
  test::KeyClick(combo->view(), Qt::Key_Escape);
  ASSERT_TRUE(test::WaitFor([combo] { return !combo->isVisible(); }));
  EXPECT_EQ(host.model.GetLoopType(4), 13);
}

TEST(GridEditors, ScrollingOrTypingOnTheGrid) {
  TabHost<TabShleifs> host;
  StringGrid* g = host.tab->SG_Shleifs;
  g->SetCurrent(3, 2);
  g->setFocus();
  test::KeyClick(g, Qt::Key_7, "7");  // typed text neither opens nor moves
  EXPECT_EQ(g->OpenEditor(), nullptr);
  EXPECT_EQ(g->Row(), 2);
  QWidget* ed = OpenCell(g, 3, 2);
  test::KeyClicks(ed, "Kuhnya");
  g->verticalScrollBar()->setRange(0, 10);
  g->verticalScrollBar()->setValue(1);
  EXPECT_FALSE(ed->isVisible());
  EXPECT_EQ(host.model.GetLoopName(2), "Kuhnya");
}

TEST(LoopsTab, UnusedLoopsLeaveTheirPartitionOnUnload) {
  TabHost<TabShleifs> host;
  StringGrid* g = host.tab->SG_Shleifs;
  for (int l = 1; l <= 8; ++l) {
    EXPECT_EQ(g->Cell(4, l), "1") << l;
    EXPECT_NE(g->Slot(4, l), nullptr) << l;  // editable after a redraw
  }
  // Choosing a partition on an unused loop stores none.
  ChooseInList(g, 4, 2, 3);
  EXPECT_EQ(host.model.GetLoopPartition(2), 0);
  EXPECT_EQ(g->Cell(4, 2), "");
  host.model.SetLoopType(5, 2);
  host.tab->UnLoad();
  for (int l = 1; l <= 8; ++l) {
    EXPECT_EQ(host.model.GetLoopPartition(l), l == 5 ? 1 : 0) << l;
    EXPECT_EQ(g->Cell(4, l), l == 5 ? "1" : "") << l;
  }
}

TEST(LoopsTab, AlarmRepeatsAndAliasLength) {
  TabHost<TabShleifs> host;
  host.model.SetAlarmRepeats(12);
  host.tab->Redraw();
  EXPECT_EQ(host.tab->CB_Shleif_AlarmRepeat->currentText(), "Все");
  host.tab->UnLoad();
  EXPECT_EQ(host.model.GetAlarmRepeats(), 0);
  host.tab->CB_Shleif_AlarmRepeat->setCurrentIndex(3);
  host.tab->UnLoad();
  EXPECT_EQ(host.model.GetAlarmRepeats(), 3);

  EditCell(host.tab->SG_Shleifs, 3, 1, "ABCDEFGHIJ");
  EXPECT_EQ(host.model.GetLoopName(1), "ABCDEFGH");
}

TEST(LoopsTab, OpeningAndClosingAnAliasKeepsWhatTheFileHeld) {
  TabHost<TabShleifs> host;
  // A space and a length the editor would not let the installer type.
  host.model.SetLoopName(2, test::Utf8ToModel("Склад Б"));
  host.model.SetLoopName(3, "LongAlias12");
  host.tab->Redraw();
  StringGrid* g = host.tab->SG_Shleifs;
  for (int loop : {2, 3}) {
    QWidget* ed = OpenCell(g, 3, loop);
    test::KeyClick(ed, Qt::Key_Escape);
  }
  EXPECT_EQ(host.model.GetLoopName(2), test::Utf8ToModel("Склад Б"));
  EXPECT_EQ(host.model.GetLoopName(3), "LongAlias12");
  // Typing goes through the filter: the space is refused, the rest kept.
  QWidget* ed = OpenCell(g, 3, 2);
  auto* edit = qobject_cast<QLineEdit*>(ed);
  edit->deselect();
  edit->setCursorPosition(edit->text().size());
  test::KeyClicks(edit, " 2");
  test::KeyClick(edit, Qt::Key_Return);
  EXPECT_EQ(host.model.GetLoopName(2), test::Utf8ToModel("Склад Б2"));
  // A later alias is limited to 8 characters again.
  EditCell(g, 3, 4, "ABCDEFGHIJ");
  EXPECT_EQ(host.model.GetLoopName(4), "ABCDEFGH");
}

QColor PixelOfCell(StringGrid* g, int col, int row) {
  const QImage img = g->viewport()->grab().toImage();
  const QRect r = g->visualRect(g->model()->index(row - 1, col));
  return img.pixelColor(r.left() + 2, r.bottom() - 2);
}

TEST(LoopsTab, RowsAreColouredByTypeAndTheCellInUseIsHighlighted) {
  TabHost<TabShleifs> host;
  host.model.SetLoopType(1, 8);   // fire
  host.model.SetLoopType(2, 14);  // patrol
  host.model.SetLoopType(3, 16);  // guard
  host.tab->Redraw();
  StringGrid* g = host.tab->SG_Shleifs;
  g->clearFocus();
  EXPECT_EQ(PixelOfCell(g, 0, 1), QColor(255, 170, 170));
  EXPECT_EQ(PixelOfCell(g, 3, 2), QColor(170, 170, 255));
  EXPECT_EQ(PixelOfCell(g, 4, 3), QColor(113, 255, 113));
  EXPECT_EQ(PixelOfCell(g, 2, 4), g->palette().color(QPalette::Base));
  g->setFocus();
  g->SetCurrent(3, 1);
  EXPECT_EQ(PixelOfCell(g, 3, 1), QColor(255, 255, 150));
  EXPECT_EQ(PixelOfCell(g, 2, 1), QColor(255, 170, 170));
}

}  // namespace
}  // namespace kestrin
