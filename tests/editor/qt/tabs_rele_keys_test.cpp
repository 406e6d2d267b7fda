// Relays and keys tabs: type rules through the editors, partition lists,
// codes with their masking and the duplicate notice.
#include <QCheckBox>
#include <QLabel>
#include <QTimer>

#include "editor/tab_keys.h"
#include "editor/tab_rele.h"
#include "model/catalogues.h"
#include "tabs_test_util.h"

namespace kestrin {
namespace {

using test::ChooseInList;
using test::EditCell;
using test::OpenCell;
using test::TabHost;

int RelayPosition(int code) {
  for (int k = 1; k <= kRelayTypePositions; ++k)
    if (RelayTypeCode(k) == code) return k - 1;
  return -1;
}

TEST(RelaysTab, DefaultsShowAsTheModelHoldsThem) {
  TabHost<TabRele> host;
  StringGrid* g = host.tab->SG_Reles;
  EXPECT_EQ(ItemName(g->Cell(1, 1)), "СИРЕНА-1(охрана)");
  EXPECT_EQ(ItemName(g->Cell(1, 2)), "ТРАНСПАРАНТ(охрана)");
  EXPECT_EQ(g->Cell(3, 1), "1");
  EXPECT_EQ(g->Cell(3, 2), "1");
  EXPECT_EQ(ItemName(g->Cell(1, 3)), "не используется");
  EXPECT_EQ(g->Cell(2, 3), "");
  EXPECT_EQ(g->Slot(2, 3), nullptr);
  EXPECT_EQ(g->Slot(3, 4), nullptr);
}

TEST(RelaysTab, GuardToLockKeepsTheLowestPartitionAndUsesTheSingleChoiceList) {
  TabHost<TabRele> host;
  StringGrid* g = host.tab->SG_Reles;
  host.model.SetRelayType(1, 1);
  host.model.SetRelayPartitions(1, PartitionBit(2) | PartitionBit(5));
  host.tab->Redraw();
  EXPECT_EQ(g->Cell(3, 1), "2,5");
  ChooseInList(g, 1, 1, RelayPosition(10));
  EXPECT_EQ(host.model.GetRelayType(1), 10);
  EXPECT_EQ(host.model.GetRelayPartitions(1), PartitionBit(2));
  EXPECT_EQ(host.model.GetRelayTime(1), 0);
  EXPECT_EQ(g->Cell(2, 1), "");
  EXPECT_EQ(g->Cell(3, 1), "2");
  auto* list = qobject_cast<GridComboBox*>(OpenCell(g, 3, 1));
  ASSERT_EQ(list, host.tab->PartList);
  EXPECT_EQ(list->currentText(), "2");
  list->view()->setCurrentIndex(list->model()->index(6, 0));
  test::KeyClick(list->view(), Qt::Key_Return);
  ASSERT_TRUE(test::WaitFor([list] { return !list->isVisible(); }));
  EXPECT_EQ(host.model.GetRelayPartitions(1), PartitionBit(7));
  EXPECT_EQ(g->Slot(3, 1), host.tab->PartList);  // the cell keeps the list
}

TEST(RelaysTab, UnusedToSirenAndBackAndTheCheckList) {
  TabHost<TabRele> host;
  StringGrid* g = host.tab->SG_Reles;
  ChooseInList(g, 1, 3, RelayPosition(4));
  EXPECT_EQ(host.model.GetRelayTime(3), 90);
  EXPECT_EQ(host.model.GetRelayPartitions(3), PartitionBit(1));
  EXPECT_EQ(g->Cell(2, 3), "90");
  EXPECT_EQ(g->Slot(3, 3), host.tab->PartsCheckList);
  EditCell(g, 2, 3, "15");
  EXPECT_EQ(host.model.GetRelayTime(3), 15);

  // The check list: Enter on it stores the ticked set; unticking all stores {}.
  QWidget* w = OpenCell(g, 3, 3);
  ASSERT_EQ(w, host.tab->PartsCheckList);
  GridCheckList* clb = host.tab->PartsCheckList;
  EXPECT_EQ(clb->Ticked(), PartitionBit(1));
  clb->item(0)->setCheckState(Qt::Unchecked);
  test::KeyClick(clb, Qt::Key_Escape);
  EXPECT_FALSE(clb->isVisible());
  EXPECT_EQ(host.model.GetRelayPartitions(3), 0);
  EXPECT_EQ(g->Cell(3, 3), "");
  host.tab->UnLoad();  // the type rule restores partition 1
  EXPECT_EQ(host.model.GetRelayPartitions(3), PartitionBit(1));
  EXPECT_EQ(g->Cell(3, 3), "1");

  ChooseInList(g, 1, 3, RelayPosition(0));
  EXPECT_EQ(g->Cell(2, 3), "");
  EXPECT_EQ(g->Cell(3, 3), "");
  EXPECT_EQ(g->Slot(2, 3), nullptr);
  EXPECT_EQ(g->Slot(3, 3), nullptr);
  EXPECT_EQ(host.model.GetRelayPartitions(3), 0);
}

TEST(RelaysTab, CheckBoxesGoThroughUnload) {
  TabHost<TabRele> host;
  const bool panic = host.model.GetPanicRelayEnabled();
  const bool tamper = host.model.GetTamperRelayEnabled();
  EXPECT_EQ(host.tab->CB_Rele_ActiveKTS->isChecked(), panic);
  EXPECT_EQ(host.tab->CB_Rele_ActiveTamper->isChecked(), tamper);
  host.tab->CB_Rele_ActiveKTS->setChecked(!panic);
  host.tab->CB_Rele_ActiveTamper->setChecked(!tamper);
  EXPECT_EQ(host.model.GetPanicRelayEnabled(), panic);  // not before the unload
  host.tab->UnLoad();
  EXPECT_EQ(host.model.GetPanicRelayEnabled(), !panic);
  EXPECT_EQ(host.model.GetTamperRelayEnabled(), !tamper);
}

TEST(KeysTab, GridHas250KeysAndNameLengthFollowsTheMode) {
  TabHost<TabKeys> host;
  StringGrid* g = host.tab->SG_Keys;
  EXPECT_EQ(g->Rows(), 251);
  EXPECT_EQ(g->Cell(0, 250), "250");
  host.model.SetKeyMode(3, 1);
  auto* name = qobject_cast<QLineEdit*>(OpenCell(g, 1, 3));
  ASSERT_EQ(name, host.tab->NameEditor);
  EXPECT_EQ(name->maxLength(), 9);
  test::KeyClick(name, Qt::Key_Return);
  name = qobject_cast<QLineEdit*>(OpenCell(g, 1, 4));
  EXPECT_EQ(name->maxLength(), 10);
  test::KeyClicks(name, "ABCDEFGHIJKL");
  test::KeyClick(name, Qt::Key_Return);
  EXPECT_EQ(host.model.GetKeyName(4), "ABCDEFGHIJ");
  // Changing the mode to patrol shortens the shown name to 9 characters.
  ChooseInList(g, 2, 4, 2);
  EXPECT_EQ(host.model.GetKeyMode(4), 2);
  EXPECT_EQ(g->Cell(1, 4), "ABCDEFGHI");
  EXPECT_EQ(ItemName(g->Cell(2, 4)), "Патруль");
}

QImage CellImage(StringGrid* g, int col, int row) {
  g->scrollTo(g->model()->index(row - 1, col));
  const QImage img = g->viewport()->grab().toImage();
  return img.copy(g->visualRect(g->model()->index(row - 1, col)));
}

int CountPixels(const QImage& img, QColor c) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixelColor(x, y) == c) ++n;
  return n;
}

TEST(KeysTab, TypedCodeIsPaddedAndMaskedUnlessShown) {
  TabHost<TabKeys> host;
  StringGrid* g = host.tab->SG_Keys;
  EditCell(g, 3, 7, "a1b2");
  EXPECT_EQ(host.model.GetKeyCode(7), "A1B200000000");
  EXPECT_EQ(g->Cell(3, 7), "A1B200000000");
  g->clearFocus();
  const QColor red(255, 0, 0);
  // Hidden: stars only, no red zeros.
  EXPECT_EQ(CountPixels(CellImage(g, 3, 7), red), 0);
  host.tab->CB_HideKeyCodes->click();
  EXPECT_TRUE(host.tab->ShowCodes());
  EXPECT_GT(CountPixels(CellImage(g, 3, 7), red), 0);
  // A code of twelve zeros and an empty code show nothing while hidden.
  host.tab->CB_HideKeyCodes->click();
  host.model.SetKeyCode(8, "000000000000");
  host.tab->Redraw();
  const QImage zero = CellImage(g, 3, 8);
  const QImage empty = CellImage(g, 3, 9);
  EXPECT_EQ(zero, empty);
  EXPECT_NE(CellImage(g, 3, 7), empty);
  // The cell being worked on shows its code in clear while codes are hidden.
  EXPECT_FALSE(host.tab->ShowCodes());
  g->setFocus();
  g->SetCurrent(3, 7);
  EXPECT_GT(CountPixels(CellImage(g, 3, 7), red), 0);
  g->clearFocus();
  // The show-codes flag survives a redraw.
  host.tab->SetShowCodes(true);
  host.tab->Redraw();
  EXPECT_TRUE(host.tab->CB_HideKeyCodes->isChecked());
}

TEST(KeysTab, CodeEditorOpensWithoutTrailingZerosAndFiltersInput) {
  TabHost<TabKeys> host;
  StringGrid* g = host.tab->SG_Keys;
  host.model.SetKeyCode(2, "120000000000");
  auto* code = qobject_cast<QLineEdit*>(OpenCell(g, 3, 2));
  ASSERT_EQ(code, host.tab->CodeEditor);
  EXPECT_EQ(code->text(), "12");
  code->setCursorPosition(2);
  code->deselect();
  test::KeyClicks(code, "xZ*f");  // non-hex letters refused, star and hex taken
  EXPECT_EQ(code->text(), "12*F");
  test::KeyClick(code, Qt::Key_Return);
  EXPECT_EQ(host.model.GetKeyCode(2), "************");
  EXPECT_EQ(code->font().family(), "Courier");
  EXPECT_EQ(code->font().pointSizeF(), g->font().pointSizeF() + 2);
}

TEST(KeysTab, DuplicateCodeIsRefusedWithANoticeOverTheCell) {
  TabHost<TabKeys> host;
  StringGrid* g = host.tab->SG_Keys;
  EditCell(g, 3, 5, "77AA");
  host.model.SetKeyCode(9, "1234");
  host.tab->Redraw();
  EditCell(g, 3, 9, "77aa");
  EXPECT_EQ(host.model.GetKeyCode(9), "123400000000");
  EXPECT_EQ(g->Cell(3, 9), "123400000000");
  QLabel* notice = host.tab->ST_MessText;
  EXPECT_TRUE(notice->isVisible());
  EXPECT_EQ(notice->text(), "Повтор (ключ №5)");
  const QRect cell = g->CellRect(3, 9);
  EXPECT_LE((notice->geometry().center() - cell.center()).manhattanLength(), 2);
  EXPECT_TRUE(host.tab->T_HideToolTip->isActive());
  EXPECT_EQ(host.tab->T_HideToolTip->interval(), 2000);
  // The timer hides it; opening any editor hides it too.
  QMetaObject::invokeMethod(host.tab->T_HideToolTip, "timeout", Qt::DirectConnection);
  EXPECT_FALSE(notice->isVisible());
  EditCell(g, 3, 9, "77AA");
  EXPECT_TRUE(notice->isVisible());
  OpenCell(g, 1, 9);
  EXPECT_FALSE(notice->isVisible());
  test::KeyClick(host.tab->NameEditor, Qt::Key_Return);
  // The key that holds a code may store it again.
  EditCell(g, 3, 5, "77AA");
  EXPECT_FALSE(notice->isVisible());
  EXPECT_EQ(host.model.GetKeyCode(5), "77AA00000000");
}

TEST(KeysTab, PartitionCheckListOpensInTwoColumnsUpwardNearTheBottom) {
  TabHost<TabKeys> host;
  host.window.resize(900, 260);
  QApplication::processEvents();
  StringGrid* g = host.tab->SG_Keys;
  host.model.SetKeyPartitions(250, PartitionBit(2) | PartitionBit(3) | PartitionBit(4) | PartitionBit(8));
  host.tab->Redraw();
  EXPECT_EQ(g->Cell(4, 250), "2-4,8");
  auto* clb = qobject_cast<GridCheckList*>(OpenCell(g, 4, 250));
  ASSERT_EQ(clb, host.tab->PartsEditor);
  EXPECT_EQ(clb->Ticked(), PartitionBit(2) | PartitionBit(3) | PartitionBit(4) | PartitionBit(8));
  EXPECT_TRUE(clb->isWrapping());  // two columns
  const QRect cell = g->CellRect(4, 250);
  EXPECT_LE(clb->geometry().bottom(), cell.bottom() + 2);
  EXPECT_LT(clb->geometry().top(), cell.top());
  // A double click on an item toggles it.
  QListWidgetItem* first = clb->item(0);
  test::MouseDClick(clb->viewport(), clb->visualItemRect(first).center());
  EXPECT_EQ(first->checkState(), Qt::Checked);
  test::KeyClick(clb, Qt::Key_Return);
  EXPECT_EQ(host.model.GetKeyPartitions(250),
            PartitionBit(1) | PartitionBit(2) | PartitionBit(3) | PartitionBit(4) | PartitionBit(8));
  EXPECT_EQ(g->Cell(4, 250), "1-4,8");
  // A cell near the top opens downward in one column on a tall window.
  host.window.resize(900, 700);
  QApplication::processEvents();
  clb = qobject_cast<GridCheckList*>(OpenCell(g, 4, 1));
  ASSERT_TRUE(clb);
  EXPECT_FALSE(clb->isWrapping());
  EXPECT_GE(clb->geometry().top(), g->CellRect(4, 1).top());
  test::KeyClick(clb, Qt::Key_Escape);
}

TEST(KeysTab, RowsAreColouredByMode) {
  TabHost<TabKeys> host;
  host.model.SetKeyMode(1, 1);
  host.model.SetKeyMode(2, 2);
  host.tab->Redraw();
  StringGrid* g = host.tab->SG_Keys;
  g->clearFocus();
  EXPECT_EQ(CellImage(g, 1, 1).pixelColor(2, 2), QColor(255, 170, 170));
  EXPECT_EQ(CellImage(g, 4, 2).pixelColor(2, 2), QColor(170, 170, 255));
  EXPECT_EQ(CellImage(g, 0, 3).pixelColor(2, 2), QColor(113, 255, 113));
}

}  // namespace
}  // namespace kestrin
