#include "files/qt/list_file_config.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <random>

#include "files/container.h"
#include "model/writer.h"
#include "support/temp_folder.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;

class Folder : public test::TempFolder {
 public:
  QString Q() const { return QString::fromStdString(Str()); }
};

std::string Plain() {
  T_Command_DEVICE m;
  m.SetDefaults();
  return WriteConfigTextCrLf(m);
}

std::string Container(const std::string& alias, const std::string& id) {
  return ContainerDeviceName() + "\r\n" + alias + id + std::string(16, '\x11');
}

void Key(QWidget* w, int key) {
  QKeyEvent ev(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(w, &ev);
}

struct Panel {
  T_Command_DEVICE scratch;
  TextBuffer text;
  ListFileConfigPanel panel{scratch, &text};
  QString Cell(int row, int column) const {
    auto* m = panel.List()->model();
    return m->data(m->index(row, column)).toString();
  }
  QPushButton* Button(const char* name) const { return panel.findChild<QPushButton*>(name); }
};

TEST(ListFileConfigPanel, ControlsColumnsAndTexts) {
  Panel p;
  auto* list = p.panel.findChild<QTableView*>("ListFileConfig");
  ASSERT_NE(list, nullptr);
  ASSERT_NE(p.panel.findChild<QLabel*>("LabelPozList"), nullptr);
  ASSERT_NE(p.panel.findChild<QTimer*>("TimerTestListConfig"), nullptr);
  // The captions stand in the faces, from the window's caption table.
  EXPECT_EQ(p.Button("B_CancelOpenList")->accessibleName(), "Отменить");
  EXPECT_EQ(p.Button("B_OpenLIst")->accessibleName(), "Открыть файл");
  EXPECT_EQ(p.Button("B_OpenDirectly")->accessibleName(), "Выбрать файл \"в ручную\"");
  EXPECT_EQ(p.Button("B_OpenLIst")->toolTip(), "Открыть выбранный файл");
  EXPECT_EQ(p.panel.Timer()->interval(), 50);
  QHeaderView* h = list->horizontalHeader();
  const int widths[] = {25, 140, 185, 780};
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(h->sectionSize(c), widths[c]);
    EXPECT_EQ(h->sectionResizeMode(c), QHeaderView::Fixed);
  }
  auto* m = list->model();
  EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString(), "Псевдоним");
  EXPECT_EQ(m->headerData(2, Qt::Horizontal).toString(), "Идентификатор");
  EXPECT_EQ(m->headerData(3, Qt::Horizontal).toString(), "Файл");
}

TEST(ListFileConfigPanel, EmptyFolder) {
  Panel p;
  Folder dir;
  p.panel.Open(dir.Q());
  EXPECT_EQ(p.panel.Counter()->text(), "0 из 0");
  EXPECT_FALSE(p.Button("B_OpenLIst")->isEnabled());
  EXPECT_TRUE(p.panel.Timer()->isActive());
  EXPECT_FALSE(p.panel.TimerTestListConfigTimer());  // stops at its first tick
  EXPECT_FALSE(p.panel.Timer()->isActive());
}

TEST(ListFileConfigPanel, TwentyFiveFilesTickCounterAndColours) {
  Panel p;
  Folder dir;
  for (int i = 0; i < 25; ++i) dir.Put("cfg" + std::to_string(i) + ".ini", Plain());
  p.panel.Open(dir.Q());
  ASSERT_EQ(p.panel.List()->model()->rowCount(), 25);
  EXPECT_EQ(p.panel.Counter()->text(), "1 из 25");
  EXPECT_TRUE(p.Button("B_OpenLIst")->isEnabled());
  EXPECT_EQ(p.panel.Counter()->palette().color(QPalette::WindowText), ListFileConfigPanel::PendingColour());
  EXPECT_EQ(p.Cell(8, 1), "");
  EXPECT_EQ(p.Cell(9, 1), "??????????");
  EXPECT_EQ(p.Cell(24, 2), QString(kListIdPlaceholder));

  int running = 0;
  while (p.panel.TimerTestListConfigTimer()) ++running;
  EXPECT_EQ(running, 8);
  EXPECT_FALSE(p.panel.Timer()->isActive());
  for (int r = 0; r < 25; ++r) EXPECT_EQ(p.Cell(r, 1), "") << r;
  EXPECT_EQ(p.panel.Counter()->palette().color(QPalette::WindowText), p.panel.NormalColour());

  p.panel.SelectRow(2);
  EXPECT_EQ(p.panel.Counter()->text(), "3 из 25");
}

TEST(ListFileConfigPanel, SortingKeepsTheSelectionAndSetsHeaderImages) {
  Panel p;
  Folder dir;
  dir.Put("a.ini", Plain());
  dir.Put("b.cry", Container(test::W("Бета      "), "0000000000BB"));
  dir.Put("c.cry", Container("alpha     ", "0000000000AA"));
  p.panel.Open(dir.Q());
  ASSERT_EQ(p.panel.List()->model()->rowCount(), 3);
  // Select c.cry, then sort by alias: first click descending.
  for (int r = 0; r < 3; ++r)
    if (p.Cell(r, 3) == "c.cry") p.panel.SelectRow(r);
  emit p.panel.List()->horizontalHeader()->sectionClicked(1);
  EXPECT_EQ(p.Cell(0, 1), "Бета");
  EXPECT_EQ(p.Cell(1, 1), "alpha");
  EXPECT_EQ(p.Cell(1, 2), "0000-0000-00AA");
  EXPECT_EQ(p.Cell(2, 3), "a.ini");
  EXPECT_EQ(p.panel.SelectedRow(), 1);
  EXPECT_EQ(p.panel.Counter()->text(), "2 из 3");
  EXPECT_EQ(p.panel.Core().HeaderImage(1), kHeaderDescending);
  p.panel.ListFileConfigColumnClick(1);
  EXPECT_EQ(p.Cell(0, 3), "a.ini");
  EXPECT_EQ(p.panel.Core().HeaderImage(1), kHeaderAscending);
}

TEST(ListFileConfigPanel, OpeningByDoubleClickEnterAndButton) {
  Panel p;
  Folder dir;
  dir.Put("only.cry", Container("x         ", "123456789ABC"));
  p.panel.Open(dir.Q());
  int count = 0;
  QString path;
  bool container = false;
  QObject::connect(&p.panel, &ListFileConfigPanel::openRequested, [&](const QString& s, bool c) {
    ++count;
    path = s;
    container = c;
  });
  p.Button("B_OpenLIst")->click();
  ASSERT_EQ(count, 1);
  EXPECT_EQ(path.toStdString(), dir.Path("only.cry"));
  EXPECT_TRUE(container);

  Key(p.panel.List(), Qt::Key_Return);
  EXPECT_EQ(count, 2);
  emit p.panel.List()->doubleClicked(p.panel.List()->model()->index(0, 1));
  EXPECT_EQ(count, 3);

  // Nothing selected: nothing happens.
  p.panel.SelectRow(-1);
  EXPECT_FALSE(p.Button("B_OpenLIst")->isEnabled());
  p.panel.ListFileConfigDblClick();
  EXPECT_EQ(count, 3);
}

TEST(ListFileConfigPanel, CancelEscapeAndManualStopTheTimer) {
  Panel p;
  Folder dir;
  for (int i = 0; i < 12; ++i) dir.Put("f" + std::to_string(i) + ".ini", Plain());
  p.panel.Open(dir.Q());
  int cancelled = 0, manual = 0;
  QObject::connect(&p.panel, &ListFileConfigPanel::cancelled, [&] { ++cancelled; });
  QObject::connect(&p.panel, &ListFileConfigPanel::manualRequested, [&] { ++manual; });
  Key(p.panel.List(), Qt::Key_Escape);
  EXPECT_EQ(cancelled, 1);
  EXPECT_FALSE(p.panel.Timer()->isActive());

  p.panel.Open(dir.Q());
  EXPECT_TRUE(p.panel.Timer()->isActive());
  p.Button("B_OpenDirectly")->click();
  EXPECT_EQ(manual, 1);
  EXPECT_FALSE(p.panel.Timer()->isActive());

  // Hidden by the window after a successful open: the timer stops; shown
  // again with rows left untested, it resumes.
  p.panel.Open(dir.Q());
  p.panel.show();
  p.panel.hide();
  EXPECT_FALSE(p.panel.Timer()->isActive());
  p.panel.show();
  EXPECT_TRUE(p.panel.Timer()->isActive());
  while (p.panel.TimerTestListConfigTimer()) {
  }
  p.panel.hide();
  p.panel.show();
  EXPECT_FALSE(p.panel.Timer()->isActive());
}

TEST(ListFileConfigPanel, ContextMenuComparesTheRowUnderTheCursor) {
  Panel p;
  Folder dir;
  dir.Put("a.ini", Plain());
  dir.Put("b.cry", Container("x         ", "123456789ABC"));
  p.panel.resize(900, 400);
  p.panel.show();
  p.panel.Open(dir.Q());
  std::vector<std::pair<QString, bool>> asked;
  QObject::connect(&p.panel, &ListFileConfigPanel::compareRequested,
                   [&](const QString& s, bool c) { asked.emplace_back(s, c); });
  QTableView* list = p.panel.List();
  QAction* compare = p.panel.RowMenu()->findChild<QAction*>("N_CompareWithCurrent");
  ASSERT_NE(compare, nullptr);
  EXPECT_EQ(compare->text(), "Сравнить с текущей");

  // The second row (the container) under the cursor becomes the selected one.
  ASSERT_EQ(p.panel.SelectedRow(), 0);
  emit list->customContextMenuRequested(list->visualRect(list->model()->index(1, 3)).center());
  EXPECT_EQ(p.panel.SelectedRow(), 1);
  EXPECT_TRUE(p.panel.RowMenu()->isVisible());
  compare->trigger();
  p.panel.RowMenu()->hide();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].first.toStdString(), dir.Path("b.cry"));
  EXPECT_TRUE(asked[0].second);

  // Below the rows with none selected: no menu, nothing compared.
  p.panel.SelectRow(-1);
  emit list->customContextMenuRequested(QPoint(5, list->viewport()->height() - 2));
  EXPECT_FALSE(p.panel.RowMenu()->isVisible());
  p.panel.CompareSelectedRow();
  EXPECT_EQ(asked.size(), 1u);
}

}  // namespace
}  // namespace kestrin
