#include <gtest/gtest.h>

#include <QApplication>

#include "editor/grid_editors.h"
#include "editor/siren_cell.h"
#include "editor/tab_indic.h"
#include "tab_pages.h"
#include "tabs_test_util.h"

namespace kestrin {
namespace {

struct IndicPage : test::TabPages {
  IndicPage() : TabPages([](T_Command_DEVICE& m) { m.SetDefaults(); }, false, QSize(1000, 760)) {
    pages.setCurrentWidget(indic);
    QApplication::processEvents();
  }
};

// The siren cell is a view of the model: a redraw shows what is stored and
// tells a changed text once; an edit goes through the delegate into the model.
TEST(SirenCell, ShowsTheModelAndStoresThroughItsDelegate) {
  IndicPage w;
  StringGrid* cell = w.indic->SG_Indic_Sirena_Parts;
  ASSERT_TRUE(qobject_cast<SirenPartsModel*>(cell->model()));
  EXPECT_TRUE(cell->model()->index(0, 0).flags() & Qt::ItemIsEditable);
  PartitionSet all = 0;
  for (int k = 1; k <= kPartitionCount; ++k) all |= PartitionBit(k);
  int told = 0;
  QObject::connect(cell, &StringGrid::cellTextChanged, [&] { ++told; });
  struct Row {
    PartitionSet set;
    const char* shown;
    int told;  // changes told so far
  };
  for (const Row& r : {Row{PartitionBit(2) | PartitionBit(4), "2,4", 1}, Row{PartitionBit(2) | PartitionBit(4), "2,4", 1},
                       Row{0, "", 2}, Row{all, "1-8", 3}}) {
    w.model.SetSirenPartitions(r.set);
    w.indic->Redraw();
    EXPECT_EQ(cell->Cell(0, 1), QString::fromUtf8(r.shown));
    EXPECT_EQ(told, r.told) << r.shown;
  }
  cell->setFocus();
  test::KeyClick(cell, Qt::Key_Return);
  GridCheckList* list = w.indic->SirenPartsList;
  ASSERT_TRUE(list->isVisible());
  EXPECT_EQ(list->Ticked(), all);
  list->Tick(PartitionBit(3));
  EXPECT_EQ(w.model.GetSirenPartitions(), all);  // nothing stored while open
  test::KeyClick(list, Qt::Key_Return);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(w.model.GetSirenPartitions(), PartitionBit(3));
  EXPECT_EQ(cell->Cell(0, 1), "3");
  EXPECT_EQ(told, 4);
  EXPECT_EQ(QApplication::focusWidget(), cell);
  // Opened again, it is the same list, ticked as now stored.
  test::KeyClick(cell, Qt::Key_Return);
  ASSERT_TRUE(list->isVisible());
  EXPECT_EQ(list->Ticked(), PartitionBit(3));
  test::KeyClick(list, Qt::Key_Escape);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(w.model.GetSirenPartitions(), PartitionBit(3));
}

}  // namespace
}  // namespace kestrin
