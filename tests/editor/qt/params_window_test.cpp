// "Все параметры" (Ctrl+Shift+F): every parameter as the tabs hold it, the
// find text and the changed filter, and Enter brings a control forward.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>

#include "editor/params_model.h"
#include "editor/params_window.h"
#include "tabs_test_util.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

class ParamsWindowTest : public WindowTest {
 protected:
  ParamsWindow* Open() {
    QApplication::setActiveWindow(window.get());
    QWidget* target = window->focusWidget() ? window->focusWidget() : window.get();
    TypeKey(target, Qt::Key_F, QString(), Qt::ControlModifier | Qt::ShiftModifier);
    ParamsWindow* view = window->ParamsView();
    EXPECT_NE(view, nullptr);
    EXPECT_TRUE(view && view->isVisible());
    return view;
  }
  // "parameter|value|default" of the shown rows.
  static QStringList Rows(ParamsWindow* view) {
    QStringList rows;
    for (int r = 0; r < view->Model()->ShownCount(); ++r) {
      const ConfigParameter* p = view->Model()->At(r);
      rows << QString::fromStdString(p->parameter + "|" + p->value + "|" + p->defaultValue);
    }
    return rows;
  }
};

TEST_F(ParamsWindowTest, FindAndChangedOnlyFilterAsTyped) {
  Start({Copy("language/realistic_office_roundtrip.in", QStringLiteral("office.ini")).toStdString()});
  ParamsWindow* view = Open();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->Count()->text(), QStringLiteral("Показано: 1069 из 1069"));
  EXPECT_EQ(view->Model()->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
            QStringLiteral("По умолчанию"));

  view->FindField()->setText(QStringLiteral("ШЛЕЙФ 3 псевдоним"));
  EXPECT_EQ(Rows(view), QStringList{QStringLiteral("Шлейф 3: Псевдоним|Склад Б|")});
  EXPECT_EQ(view->Count()->text(), QStringLiteral("Показано: 1 из 1069"));

  view->FindField()->setText(QStringLiteral("шлейф 4"));
  const int loop4 = view->Model()->ShownCount();
  view->ChangedOnly()->setChecked(true);
  EXPECT_LT(view->Model()->ShownCount(), loop4);
  for (int r = 0; r < view->Model()->ShownCount(); ++r) EXPECT_TRUE(view->Model()->At(r)->changed);
  EXPECT_TRUE(Rows(view).contains(QStringLiteral("Шлейф 4: Псевдоним|Окно 1|")));

  // The defaults: nothing differs.
  view->FindField()->clear();
  view->close();
  window.reset();
  Start();
  view = Open();
  view->ChangedOnly()->setChecked(true);
  EXPECT_EQ(view->Count()->text(), QStringLiteral("Показано: 0 из 1069")) << Rows(view).join('\n').toStdString();
}

TEST_F(ParamsWindowTest, ShowsEditsNotYetLeftAndEnterGoesToTheControl) {
  Start();
  auto* key = Find<QLineEdit>("E_Common_KEY");
  key->setFocus();
  key->setText(QStringLiteral("NEWKEY"));  // typed, the field not left
  ParamsWindow* view = Open();
  ASSERT_NE(view, nullptr);
  view->FindField()->setText(QStringLiteral("ключ шифрования"));
  EXPECT_EQ(Rows(view), QStringList{QStringLiteral("Ключ шифрования конфигурации|NEWKEY|")});

  // Enter in the find field: the current row's control, here a grid cell.
  view->FindField()->setText(QStringLiteral("реле 3 время"));
  ASSERT_EQ(view->Model()->ShownCount(), 1);
  KeyClick(view->FindField(), Qt::Key_Return);
  auto* grid = Find<QAbstractItemView>("SG_Reles");
  EXPECT_EQ(window->Pages()->currentWidget(), Find("Tab_Rele"));
  EXPECT_EQ(window->focusWidget(), grid);
  EXPECT_EQ(grid->currentIndex().row(), 3 - 1);
  EXPECT_EQ(grid->currentIndex().column(), 2);

  // Esc closes the window.
  QApplication::setActiveWindow(view);
  KeyClick(view->Table(), Qt::Key_Escape);
  EXPECT_FALSE(view->isVisible());
}

}  // namespace
}  // namespace kestrin::test
