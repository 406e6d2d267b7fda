// "Сравнить с файлом...": the file through the open dialog (or a row of the
// file list), containers through the key dialog, the differences grouped by
// tab, and a line activated brings its control forward.
#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include "editor/string_grid.h"
#include <QTreeWidget>

#include "editor/compare_window.h"
#include "files/qt/list_file_config.h"
#include "files/workflow.h"
#include "model/config_diff.h"
#include "model/writer.h"
#include "support/test_text.h"
#include "tabs_test_util.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

const char* kOffice = "language/realistic_office_roundtrip.in";

class CompareTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Start();
  }
  // Ctrl+D as typed into the focused control of the main window.
  void PressCompare() {
    QApplication::setActiveWindow(window.get());
    QWidget* target = window->focusWidget() ? window->focusWidget() : window.get();
    TypeKey(target, Qt::Key_D, QString(), Qt::ControlModifier);
  }
  // The model a plain file loads into, as opening reads it.
  static T_Command_DEVICE Loaded(const QString& path) {
    T_Command_DEVICE model;
    model.SetDefaults();
    LoadConfigText(ReadBytes(path).toStdString(), model);
    CompleteKeys(model, std::string());
    EnforceRowRules(model);
    return model;
  }
  CompareWindow* View() const { return window->CompareView(); }
  QTreeWidget* Tree() const { return View()->Tree(); }
  // Lines under each heading, "heading|parameter|current|file".
  QStringList Lines() const {
    QStringList out;
    for (int i = 0; i < Tree()->topLevelItemCount(); ++i) {
      QTreeWidgetItem* group = Tree()->topLevelItem(i);
      for (int j = 0; j < group->childCount(); ++j) {
        QTreeWidgetItem* line = group->child(j);
        out << group->text(0) + QLatin1Char('|') + line->text(0) + QLatin1Char('|') +
                   line->text(1) + QLatin1Char('|') + line->text(2);
      }
    }
    return out;
  }
  static QStringList Expected(const std::vector<ConfigDifference>& diffs) {
    QStringList out;
    std::map<std::string, int> perTab;
    for (const ConfigDifference& d : diffs) ++perTab[d.tabName];
    for (const ConfigDifference& d : diffs) {
      out << QStringLiteral("%1 (%2)|").arg(QString::fromUtf8(d.tabName)).arg(perTab[d.tabName]) +
                 QString::fromStdString(d.parameter) + QLatin1Char('|') +
                 QString::fromStdString(d.valueA) + QLatin1Char('|') +
                 QString::fromStdString(d.valueB);
    }
    return out;
  }
  // Double click on the first line whose parameter starts with prefix.
  QTreeWidgetItem* DoubleClickLine(const QString& prefix) {
    for (int i = 0; i < Tree()->topLevelItemCount(); ++i) {
      QTreeWidgetItem* group = Tree()->topLevelItem(i);
      for (int j = 0; j < group->childCount(); ++j) {
        QTreeWidgetItem* line = group->child(j);
        if (!line->text(0).startsWith(prefix)) continue;
        Tree()->scrollToItem(line);
        MouseDClick(Tree()->viewport(), Tree()->visualItemRect(line).center());
        return line;
      }
    }
    ADD_FAILURE() << "no line " << prefix.toStdString();
    return nullptr;
  }
};

TEST_F(CompareTest, FileChosenListsTheDifferencesByTabAndKeepsTheEdited) {
  const QString office = Copy(kOffice, QStringLiteral("office.ini"));
  window->UnLoad_All();  // what every command reads; it tidies unused loops and relays
  const std::string before = WriteConfigTextCrLf(window->Document().edited);
  const QString title = window->windowTitle();
  dialogs.openAnswer = office;
  PressCompare();

  EXPECT_EQ(dialogs.openCalls, 1);
  EXPECT_TRUE(dialogs.lastSelected.contains(QStringLiteral("*.ini *.gsm *.cry")));
  EXPECT_EQ(modals.seen, QStringList());
  ASSERT_NE(View(), nullptr);
  EXPECT_TRUE(View()->isVisible());
  EXPECT_TRUE(View()->windowTitle().endsWith(QDir::toNativeSeparators(office)));
  EXPECT_EQ(Tree()->headerItem()->text(0), QStringLiteral("Параметр"));
  EXPECT_EQ(Tree()->headerItem()->text(1), QStringLiteral("Текущая"));
  EXPECT_EQ(Tree()->headerItem()->text(2), QStringLiteral("В файле"));

  const auto diffs = DiffConfigurations(window->Document().edited, Loaded(office));
  ASSERT_GT(diffs.size(), 10u);
  EXPECT_EQ(Lines(), Expected(diffs));
  EXPECT_EQ(View()->Summary()->text(), QStringLiteral("Различий: %1").arg(diffs.size()));
  // Several tabs differ, each heading once, in the order of the tabs.
  QStringList headings;
  for (int i = 0; i < Tree()->topLevelItemCount(); ++i)
    headings << Tree()->topLevelItem(i)->text(0).section(QLatin1Char(' '), 0, 0);
  EXPECT_GE(headings.size(), 4);
  EXPECT_EQ(headings.first(), QStringLiteral("Общие"));
  EXPECT_EQ(headings.removeDuplicates(), 0);

  // Nothing of the edited configuration changed.
  EXPECT_EQ(WriteConfigTextCrLf(window->Document().edited), before);
  EXPECT_EQ(window->LoadedPath(), QString());
  EXPECT_EQ(window->windowTitle(), title);
}

TEST_F(CompareTest, EditsNotYetStoredAreComparedAndCodesMaskedAsTheKeysTabShows) {
  // Written out from the window, then edited in a field that still has the focus.
  window->UnLoad_All();
  const QString same = Work(QStringLiteral("same.ini"));
  ASSERT_TRUE(WriteBytes(same, QByteArray::fromStdString(
                                   WriteConfigTextCrLf(window->Document().edited))));
  dialogs.openAnswer = same;
  PressCompare();
  EXPECT_EQ(View()->Summary()->text(), QStringLiteral("Конфигурации совпадают"));
  EXPECT_FALSE(Tree()->isVisible());

  window->GotoItem(Find("Tab_Common"), Find("E_Common_Password"));
  Find<QLineEdit>("E_Common_Password")->setText(QStringLiteral("24680"));
  PressCompare();
  ASSERT_EQ(Lines().size(), 1) << Lines().join(QLatin1Char(10)).toStdString();
  EXPECT_TRUE(Lines()[0].startsWith(QStringLiteral("Общие (1)|"))) << Lines()[0].toStdString();
  EXPECT_TRUE(Lines()[0].contains(QStringLiteral("|24680|"))) << Lines()[0].toStdString();
  EXPECT_TRUE(Tree()->isVisible());

  // A key code: masked while "Показывать коды" is off, in clear once it is on.
  window->Document().edited.SetKeyCode(5, "0000A1B2C3D4");
  window->Redraw_All();
  PressCompare();
  const QString masked = Lines().filter(QStringLiteral("Ключи")).value(0);
  EXPECT_TRUE(masked.contains(QStringLiteral("************"))) << masked.toStdString();
  EXPECT_FALSE(masked.contains(QStringLiteral("A1B2C3D4")));
  Find<QCheckBox>("CB_HideKeyCodes")->click();
  PressCompare();
  EXPECT_TRUE(Lines().filter(QStringLiteral("Ключи")).value(0).contains(QStringLiteral("0000A1B2C3D4")));
}

TEST_F(CompareTest, AFileComparedWithItselfIsTheSameEvenWhereTheRowRulesTidy) {
  // The three-line file keeps partitions on unused loops, and the office file a
  // lock relay with three partitions: rows that unloading the tabs tidies.
  for (const char* fixture : {"container/a_short_3line.txt", kOffice}) {
    const QString path = Copy(fixture, QStringLiteral("self.ini"));
    dialogs.openAnswer = path;
    Find<QPushButton>("B_Open")->click();
    PressCompare();
    ASSERT_NE(View(), nullptr);
    EXPECT_EQ(View()->Summary()->text(), QStringLiteral("Конфигурации совпадают"))
        << fixture << "\n" << Lines().join(QLatin1Char('\n')).toStdString();
  }
}

TEST_F(CompareTest, AnOpenCellEditorStoresItsTextBeforeTheComparison) {
  window->UnLoad_All();
  const QString same = Work(QStringLiteral("same.ini"));
  ASSERT_TRUE(WriteBytes(same, QByteArray::fromStdString(
                                   WriteConfigTextCrLf(window->Document().edited))));
  window->GotoItem(Find("Tab_Shleifs"));
  auto* grid = Find<StringGrid>("SG_Shleifs");
  QWidget* editor = OpenCell(grid, 3, 2);
  ASSERT_TRUE(qobject_cast<QLineEdit*>(editor));
  KeyClicks(editor, QStringLiteral("Zal"));
  dialogs.openAnswer = same;
  PressCompare();
  ASSERT_EQ(Lines().size(), 1);
  EXPECT_TRUE(Lines()[0].startsWith(QStringLiteral("Шлейфы (1)|Шлейф 2: "))) << Lines()[0].toStdString();
  EXPECT_TRUE(Lines()[0].contains(QStringLiteral("Zal"))) << Lines()[0].toStdString();
}

TEST_F(CompareTest, DoubleClickOrEnterBringsTheControlForward) {
  dialogs.openAnswer = Copy(kOffice, QStringLiteral("office.ini"));
  PressCompare();
  ASSERT_NE(View(), nullptr);

  // A grid cell: its tab, the grid focused, the cell current.
  const auto diffs = DiffConfigurations(window->Document().edited, Loaded(dialogs.openAnswer));
  const ConfigDifference* cell = nullptr;
  const ConfigDifference* field = nullptr;
  for (const ConfigDifference& d : diffs) {
    if (!cell && d.tab == DiffTab::Loops && d.locator.row > 0) cell = &d;
    if (!field && d.tab == DiffTab::Indication && d.locator.row < 0) field = &d;
  }
  ASSERT_TRUE(cell && field);
  DoubleClickLine(QString::fromStdString(cell->parameter));
  auto* grid = Find<StringGrid>(cell->locator.control);
  EXPECT_EQ(window->Pages()->currentWidget(), Find("Tab_Shleifs"));
  EXPECT_EQ(window->focusWidget(), grid);
  EXPECT_EQ(grid->currentRow(), cell->locator.row - 1);
  EXPECT_EQ(grid->currentColumn(), cell->locator.column);

  // A single control by Enter on its line.
  for (int i = 0; i < Tree()->topLevelItemCount(); ++i) {
    QTreeWidgetItem* group = Tree()->topLevelItem(i);
    for (int j = 0; j < group->childCount(); ++j) {
      if (group->child(j)->text(0) == QString::fromStdString(field->parameter))
        Tree()->setCurrentItem(group->child(j));
    }
  }
  KeyClick(Tree(), Qt::Key_Return);
  EXPECT_EQ(window->Pages()->currentWidget(), Find("Tab_Indic"));
  EXPECT_EQ(window->focusWidget(), Find(field->locator.control));

  // A heading: the tab alone.
  Tree()->setCurrentItem(Tree()->topLevelItem(0));
  KeyClick(Tree(), Qt::Key_Return);
  EXPECT_EQ(window->Pages()->currentWidget(), Find("Tab_Common"));
}

TEST_F(CompareTest, ContainerOpensWithItsKeyAndAKeyGivenUpOnComparesNothing) {
  const QString cry = Copy(kContainerFixture, QStringLiteral("panel.cry"));
  window->UnLoad_All();
  const std::string before = WriteConfigTextCrLf(window->Document().edited);
  dialogs.openAnswer = cry;
  modals.ThenKey(QStringLiteral("wrong"));
  modals.ThenClick("BtnCancel");
  PressCompare();
  EXPECT_EQ(modals.seen, (QStringList{QStringLiteral("key"), QStringLiteral("key")}));
  EXPECT_EQ(View(), nullptr);

  modals.seen.clear();
  modals.ThenKey(ContainerKey());
  PressCompare();
  EXPECT_EQ(modals.seen, QStringList{QStringLiteral("key")});
  ASSERT_NE(View(), nullptr);
  // The container's loop 2 and its file key, completed from the key as opening does.
  const QStringList lines = Lines();
  EXPECT_EQ(lines.filter(QStringLiteral("Ёлочный зал")).size(), 1) << lines.join('\n').toStdString();
  EXPECT_EQ(lines.filter(QStringLiteral("Ключ шифрования конфигурации||  пароль 42  ")).size(), 1)
      << lines.join('\n').toStdString();
  EXPECT_EQ(WriteConfigTextCrLf(window->Document().edited), before);
  EXPECT_EQ(window->LoadedPath(), QString());
}

TEST_F(CompareTest, CancelledOrUnreadableFileComparesNothing) {
  dialogs.openAnswer.clear();
  PressCompare();
  EXPECT_EQ(dialogs.openCalls, 1);
  EXPECT_EQ(View(), nullptr);

  QDir(Work(QString())).mkpath(QStringLiteral("folder.ini"));
  dialogs.openAnswer = Work(QStringLiteral("folder.ini"));
  modals.ThenClick("B_Cancel");
  PressCompare();
  EXPECT_EQ(modals.seen, QStringList{QStringLiteral(
                             "error: Ошибка открытия файла / Проверьте наличие файла")});
  EXPECT_EQ(View(), nullptr);
}

TEST_F(CompareTest, ListRowComparedFromTheContextMenuThenLineLeavesListMode) {
  Copy(kOffice, QStringLiteral("office.ini"));
  window->Settings().ListModeOpenSave = true;
  window->Settings().ListPathSave = (Work(QString()) + QLatin1Char('/')).toStdString();
  Find<QPushButton>("B_Open")->click();
  ListFileConfigPanel* panel = window->ListPanel();
  ASSERT_TRUE(window->ListMode());
  QTableView* list = panel->List();
  const QPoint row = list->visualRect(list->model()->index(0, 1)).center();
  emit list->customContextMenuRequested(row);
  ASSERT_TRUE(panel->RowMenu()->isVisible());
  QAction* compare = panel->RowMenu()->findChild<QAction*>(QStringLiteral("N_CompareWithCurrent"));
  ASSERT_NE(compare, nullptr);
  EXPECT_EQ(compare->text(), QStringLiteral("Сравнить с текущей"));
  compare->trigger();
  panel->RowMenu()->hide();

  ASSERT_NE(View(), nullptr);
  EXPECT_TRUE(View()->windowTitle().endsWith(QStringLiteral("office.ini")));
  EXPECT_GT(Lines().size(), 10);
  EXPECT_TRUE(window->ListMode());  // comparing is no reason to leave the list
  EXPECT_EQ(window->LoadedPath(), QString());

  DoubleClickLine(QStringLiteral("Шлейф"));
  EXPECT_FALSE(window->ListMode());
  EXPECT_FALSE(panel->isVisible());
  EXPECT_EQ(window->Pages()->currentWidget(), Find("Tab_Shleifs"));
}

}  // namespace
}  // namespace kestrin::test
