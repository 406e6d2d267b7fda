// The document is the one truth: a file opened is shown exactly as it is
// written, looking at it changes nothing, and a cell editor stores into the
// row it was opened on.
#include <QDir>
#include <QTreeWidget>

#include "editor/compare_window.h"
#include "editor/tab_rele.h"
#include "editor/tab_shleifs.h"
#include "model/catalogues.h"
#include "model/writer.h"
#include "tabs_test_util.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

class DocumentViewsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Start();
  }
  // Opens path through "Открыть" (a container with its key).
  void Open(const QString& path) {
    dialogs.openAnswer = path;
    if (path.endsWith(QStringLiteral(".cry"))) modals.ThenKey(ContainerKey());
    Find<QPushButton>("B_Open")->click();
    ASSERT_EQ(QFileInfo(window->LoadedPath()), QFileInfo(path));
  }
  QString Written(const T_Command_DEVICE& m, const QString& name) {
    const QString path = Work(name);
    EXPECT_TRUE(WriteBytes(path, QByteArray::fromStdString(WriteConfigTextCrLf(m))));
    return path;
  }
  StringGrid* Loops() { return Find<StringGrid>("SG_Shleifs"); }
  StringGrid* Relays() { return Find<StringGrid>("SG_Reles"); }
  // Every cell of the loops and relays grids against a redraw of model.
  void ExpectGridsShow(const T_Command_DEVICE& m) {
    for (int l = 1; l <= kLoopCount; ++l) {
      const LoopRow row = LoopRowForRedraw(m, l);
      const QStringList want{ToQ(row.typeText), ToQ(row.delay), ToQ(row.name), ToQ(row.partition)};
      for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(Loops()->Cell(c, l), want[c - 1]) << "loop " << l << " column " << c;
    }
    for (int r = 1; r <= kRelayCount; ++r) {
      const RelayRow row = RelayRowOf(m, r);
      const QStringList want{ToQ(row.typeText), ToQ(row.time), ToQ(row.partitions)};
      for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(Relays()->Cell(c, r), want[c - 1]) << "relay " << r << " column " << c;
    }
  }
};

TEST_F(DocumentViewsTest, AFileOpenedShowsItsOwnValuesInEveryGrid) {
  // The cases a look once changed: a delay type with delay 0, an unused loop
  // in a partition, a lock for two partitions.
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetLoopType(2, Code(LoopType::kDelayed));
  m.SetLoopDelay(2, 0);
  m.SetLoopType(1, Code(LoopType::kUnused));
  m.SetLoopPartition(1, 1);
  m.SetRelayType(3, Code(RelayType::kLock));
  m.SetRelayPartitions(3, PartitionBit(2) | PartitionBit(4));
  m.SetFileKey("k");
  Open(Written(m, QStringLiteral("item.ini")));
  EXPECT_EQ(Loops()->Cell(2, 2), QStringLiteral("0"));
  EXPECT_EQ(Loops()->Cell(4, 1), QStringLiteral("1"));
  EXPECT_EQ(Relays()->Cell(3, 3), QStringLiteral("2,4"));
  EXPECT_EQ(WriteConfigTextCrLf(window->Document().edited), WriteConfigTextCrLf(m));
  EXPECT_FALSE(window->IsModified());
  // Looking again changes nothing either.
  window->UpdateModifiedMark();
  EXPECT_EQ(Relays()->Cell(3, 3), QStringLiteral("2,4"));
  // A save writes, and then shows, what the unload rules make of it.
  dialogs.saveAnswer = Work(QStringLiteral("saved.ini"));
  modals.ThenClick("BitBtnContinue");
  Find<QPushButton>("B_Save")->click();
  T_Command_DEVICE ruled = m;
  EnforceRowRules(ruled);
  EXPECT_EQ(ReadBytes(dialogs.saveAnswer).toStdString(), WriteConfigTextCrLf(ruled));
  EXPECT_EQ(Loops()->Cell(2, 2), QString::number(ruled.GetLoopDelay(2)));
  EXPECT_EQ(Relays()->Cell(3, 3), QStringLiteral("2"));
  EXPECT_FALSE(window->IsModified());

  // Every loop and relay type, with the odd values a file may hold for it.
  for (int round = 0; round * kLoopCount < kLoopTypePositions * 2; ++round) {
    T_Command_DEVICE file;
    file.SetDefaults();
    for (int l = 1; l <= kLoopCount; ++l) {
      const int n = round * kLoopCount + l;
      file.SetLoopType(l, LoopTypeCode((n - 1) % kLoopTypePositions + 1));
      file.SetLoopDelay(l, n % 2 ? 0 : 7);
      file.SetLoopPartition(l, n % 3 ? 0 : 3);
      file.SetLoopName(l, "L" + std::to_string(n));
    }
    for (int r = 1; r <= kRelayCount; ++r) {
      const int n = round * kRelayCount + r;
      file.SetRelayType(r, RelayTypeCode((n - 1) % kRelayTypePositions + 1));
      file.SetRelayTime(r, n % 2 ? 0 : 9);
      file.SetRelayPartitions(r, n % 3 ? PartitionBit(5) | PartitionBit(6) : 0);
    }
    Open(Written(file, QStringLiteral("round%1.ini").arg(round)));
    SCOPED_TRACE(round);
    T_Command_DEVICE read;
    read.SetDefaults();
    LoadConfigText(ReadBytes(window->LoadedPath()).toStdString(), read);
    ExpectGridsShow(read);
    EXPECT_EQ(WriteConfigTextCrLf(window->Document().edited), WriteConfigTextCrLf(read));
    EXPECT_FALSE(window->IsModified());
  }
}

TEST_F(DocumentViewsTest, UnchangedRightAfterOpeningEveryFixtureAndChangedAfterOneEdit) {
  QStringList fixtures;
  for (const QString& name : QDir(QStringLiteral(KESTRIN_FIXTURES "/language"))
                                 .entryList({QStringLiteral("*.in")}, QDir::Files, QDir::Name))
    fixtures << QStringLiteral("language/") + name;
  fixtures << QString::fromLatin1(kContainerFixture);
  ASSERT_GT(fixtures.size(), 5);
  int n = 0;
  for (const QString& fixture : fixtures) {
    SCOPED_TRACE(fixture.toStdString());
    const QByteArray local = fixture.toLatin1();
    const QString copy = Copy(local.constData(), QStringLiteral("f%1.%2").arg(++n).arg(
                                                     fixture.endsWith(QStringLiteral(".cry")) ? "cry" : "ini"));
    if (window->IsModified()) modals.ThenClick("BitBtnDiscard");  // the previous round's edit
    Open(copy);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->IsModified());
    EXPECT_FALSE(ShownTitle(*window).endsWith(QLatin1Char('*')));
    window->GotoItem(Find("Tab_Shleifs"));
    EditCell(Loops(), 3, 3, QStringLiteral("x"));
    EXPECT_TRUE(window->IsModified());
    EXPECT_TRUE(WaitFor([this] { return ShownTitle(*window).endsWith(QLatin1Char('*')); }));
  }
}

TEST_F(DocumentViewsTest, AnEditorLeftOpenByASwitchOfWindowsStoresIntoItsOwnRow) {
  // The comparison window lists loop 5's alias; then a cell editor of loop 2
  // is left open by a switch to that window, whose line moves the current cell.
  T_Command_DEVICE shown;
  shown.SetDefaults();
  shown.SetFileKey("k");
  shown.SetRelayType(2, Code(RelayType::kSiren1Guard));
  shown.SetRelayTime(2, 30);
  shown.SetRelayType(4, Code(RelayType::kSiren2Guard));
  shown.SetRelayTime(4, 40);
  Open(Written(shown, QStringLiteral("shown.ini")));
  T_Command_DEVICE other = shown;
  other.SetLoopName(5, "Five");
  dialogs.openAnswer = Written(other, QStringLiteral("other.ini"));
  window->CompareWithFile(dialogs.openAnswer);
  CompareWindow* compare = window->CompareView();
  ASSERT_NE(compare, nullptr);

  struct Case {
    const char* tab;
    const char* grid;
    int col, row;  // the cell edited
    QString typed;
    int movedToRow;
  };
  const Case cases[] = {
      {"Tab_Shleifs", "SG_Shleifs", 3, 2, QStringLiteral("Hall"), 5},
      {"Tab_Rele", "SG_Reles", 2, 2, QStringLiteral("77"), 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.grid);
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(WaitFor([this] { return window->isActiveWindow(); }));
    window->GotoItem(Find(c.tab));
    auto* grid = Find<StringGrid>(c.grid);
    QWidget* editor = OpenCell(grid, c.col, c.row);
    ASSERT_TRUE(qobject_cast<QLineEdit*>(editor));
    KeyClicks(editor, c.typed);
    compare->activateWindow();
    QApplication::setActiveWindow(compare);
    ASSERT_TRUE(WaitFor([compare] { return compare->isActiveWindow(); }));
    ASSERT_TRUE(editor->isVisible());  // a switch of windows does not end the editing
    if (c.movedToRow == 5) {
      QTreeWidget* tree = compare->Tree();
      QTreeWidgetItem* line = nullptr;
      for (int i = 0; i < tree->topLevelItemCount(); ++i)
        for (int j = 0; j < tree->topLevelItem(i)->childCount(); ++j)
          if (tree->topLevelItem(i)->child(j)->text(0) == QStringLiteral("Шлейф 5: Псевдоним"))
            line = tree->topLevelItem(i)->child(j);
      ASSERT_NE(line, nullptr);
      tree->setCurrentItem(line);
      KeyClick(tree, Qt::Key_Return);
    } else {
      grid->SetCurrent(c.col, c.movedToRow);  // any jump of the current cell
    }
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(grid->Row(), c.movedToRow);
  }
  const T_Command_DEVICE& m = window->Document().edited;
  EXPECT_EQ(m.GetLoopName(2), "Hall");
  EXPECT_EQ(m.GetLoopName(5), shown.GetLoopName(5));
  EXPECT_EQ(Loops()->Cell(3, 2), QStringLiteral("Hall"));
  EXPECT_EQ(Loops()->Cell(3, 5), ToQ(shown.GetLoopName(5)));
  EXPECT_EQ(m.GetRelayTime(2), 77);
  EXPECT_EQ(m.GetRelayTime(4), 40);
  EXPECT_EQ(Relays()->Cell(2, 4), QStringLiteral("40"));
}

}  // namespace
}  // namespace kestrin::test
