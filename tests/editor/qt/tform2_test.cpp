// The tab framework of the main window: visible tabs, GotoItem, remembered
// focus, focus colours, label clicks, exchange orders, button faces, tooltips.
#include <QCheckBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include "editor/string_grid.h"
#include <QKeyEvent>
#include <QMouseEvent>

#include "gui/widgets/focus_colours.h"
#include "editor/grid_editors.h"
#include "editor/tab_sheet.h"
#include "support/test_text.h"
#include "window_test_support.h"

namespace kestrin::test {
namespace {

// A press and release of the left button at the widget's centre.
void ClickWidget(QWidget* w) {
  QPointF at(w->width() / 2.0, w->height() / 2.0);
  QPointF global = w->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &release);
}

void TypeText(QWidget* w, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
  }
}

class TForm2Test : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Start();
    QApplication::setActiveWindow(window.get());
  }
  int IndexOf(const char* sheet) { return window->Pages()->indexOf(Find(sheet)); }
  QStringList VisibleHeaders() {
    QStringList out;
    QTabWidget* pages = window->Pages();
    for (int i = 0; i < pages->count(); ++i)
      if (pages->isTabVisible(i)) out << pages->tabText(i);
    return out;
  }
};

TEST_F(TForm2Test, OnlySixTabsAreShownCommonFirst) {
  EXPECT_EQ(VisibleHeaders(), (QStringList{"Общие", "Индикация", "Разделы", "Шлейфы", "Реле", "Ключи"}));
  EXPECT_EQ(window->Pages()->currentWidget(), Find("Tab_Common"));
  EXPECT_EQ(window->Pages()->count(), 14);
  const char* order[] = {"Tab_Common", "Tab_Mode", "Tab_Indic", "Tab_Parts", "Tab_Shleifs",
                         "Tab_Rele", "Tab_Keys", "Tab_SMS", "Tab_SMSK", "Tab_GSM",
                         "Tab_PK4", "Tab_GPRS", "Tab_LAN", "TabDebug"};
  for (int i = 0; i < 14; ++i) EXPECT_EQ(IndexOf(order[i]), i) << order[i];
}

TEST_F(TForm2Test, GotoItemWalksForwardOverShownTabsAndWraps) {
  QTabWidget* pages = window->Pages();
  QList<int> visited;
  QObject::connect(pages, &QTabWidget::currentChanged, [&](int i) { visited << i; });

  window->GotoItem(Find("Tab_Rele"));
  EXPECT_EQ(visited, (QList<int>{IndexOf("Tab_Indic"), IndexOf("Tab_Parts"),
                                 IndexOf("Tab_Shleifs"), IndexOf("Tab_Rele")}));
  visited.clear();
  auto* keys = Find<StringGrid>("SG_Keys");
  ASSERT_NE(keys, nullptr);
  window->GotoItem(Find("Tab_Keys"), keys);
  EXPECT_EQ(visited, QList<int>{IndexOf("Tab_Keys")});
  EXPECT_EQ(QApplication::focusWidget(), keys);

  visited.clear();
  window->GotoItem(Find("Tab_Common"));  // wraps round past the hidden tabs
  EXPECT_EQ(visited, QList<int>{IndexOf("Tab_Common")});

  // A hidden tab cannot be requested: nothing moves.
  visited.clear();
  window->GotoItem(Find("Tab_Mode"));
  EXPECT_TRUE(visited.isEmpty());
  EXPECT_EQ(pages->currentIndex(), 0);
}

TEST_F(TForm2Test, TabRemembersItsFocusedControl) {
  auto* field = Find<QLineEdit>("E_Indic_ExtIndic");
  ASSERT_NE(field, nullptr);
  window->GotoItem(Find("Tab_Indic"), field);
  EXPECT_EQ(window->RememberedControl(kSlotIndic), field);
  window->GotoItem(Find("Tab_Rele"), Find("SG_Reles"));
  window->GotoItem(Find("Tab_Indic"));
  EXPECT_EQ(QApplication::focusWidget(), field);

  // A remembered control that became invisible is forgotten.
  window->GotoItem(Find("Tab_Rele"));
  field->hide();
  window->GotoItem(Find("Tab_Indic"));
  EXPECT_EQ(window->RememberedControl(kSlotIndic), nullptr);
  field->show();
}

TEST_F(TForm2Test, FocusedControlIsYellowAndGetsItsNormalColourBack) {
  auto* key = Find<QLineEdit>("E_Common_KEY");
  auto* old = Find<QLineEdit>("E_Common_KEYOld");
  key->setFocus();
  EXPECT_EQ(BackgroundColour(key), FocusColour());
  old->setFocus();
  EXPECT_EQ(BackgroundColour(key), WindowColour());
  EXPECT_EQ(BackgroundColour(old), FocusColour());
  // A read-only field goes back to the button face.
  key->setReadOnly(true);
  key->setFocus();
  old->setFocus();
  EXPECT_EQ(BackgroundColour(key), ButtonFaceColour());
  key->setReadOnly(false);
}

// A control no tab names for colouring (here the keys tab's check box) is
// coloured all the same.
TEST_F(TForm2Test, ControlsNoTabNamesAreColouredToo) {
  auto* hide = Find<QCheckBox>("CB_HideKeyCodes");
  auto* key = Find<QLineEdit>("E_Common_KEY");
  ASSERT_NE(hide, nullptr);
  window->Pages()->setCurrentWidget(Find<QWidget>("Tab_Keys"));
  hide->setFocus();
  EXPECT_EQ(BackgroundColour(hide), FocusColour());
  window->Pages()->setCurrentWidget(Find<QWidget>("Tab_Common"));
  key->setFocus();
  EXPECT_EQ(BackgroundColour(hide), ButtonFaceColour());
}

TEST_F(TForm2Test, LabelClickFocusesItsVisibleField) {
  auto* label = Find<QLabel>("L_Common_KEY");
  ASSERT_NE(label, nullptr);
  ASSERT_NE(label->buddy(), nullptr);
  Find<QWidget>("E_Common_Password")->setFocus();
  ClickWidget(label);
  EXPECT_EQ(QApplication::focusWidget(), label->buddy());
  EXPECT_EQ(BackgroundColour(label->buddy()), FocusColour());

  QWidget* password = Find<QWidget>("E_Common_Password");
  password->setFocus();
  label->buddy()->hide();
  ClickWidget(label);
  EXPECT_EQ(QApplication::focusWidget(), password);
  label->buddy()->show();
}

TEST_F(TForm2Test, UpDownArrowFocusesAndRemembersItsField) {
  window->GotoItem(Find("Tab_Indic"), Find("E_Indic_ExtIndic"));
  window->GotoItem(Find("Tab_Indic"), Find("E_Indic_Sirena"));
  QWidget* upDown = Find("UD_Indic_ExtIndic");
  ASSERT_NE(upDown, nullptr);
  QList<QWidget*> arrows = upDown->findChildren<QWidget*>();
  ClickWidget(arrows.isEmpty() ? upDown : arrows.first());
  EXPECT_EQ(QApplication::focusWidget(), Find("E_Indic_ExtIndic"));
  EXPECT_EQ(window->RememberedControl(kSlotIndic), Find("E_Indic_ExtIndic"));
  EXPECT_EQ(BackgroundColour(Find("E_Indic_ExtIndic")), FocusColour());
}

TEST_F(TForm2Test, UnLoadAllReadsFieldsThatWereNeverLeft) {
  auto* field = Find<QLineEdit>("E_Indic_ExtIndic");
  window->GotoItem(Find("Tab_Indic"), field);
  field->selectAll();
  TypeText(field, QStringLiteral("321"));
  EXPECT_EQ(QApplication::focusWidget(), field);
  window->UnLoad_All();
  EXPECT_EQ(window->Document().edited.GetIndicatorTime(), 321);

  window->Document().edited.SetFileKey(W("КЛЮЧ 9"));
  window->Redraw_All();
  EXPECT_EQ(Find<QLineEdit>("E_Common_KEY")->text(), QStringLiteral("КЛЮЧ 9"));
}

TEST_F(TForm2Test, CommandButtonsDrawTheirCaptionsAsFaces) {
  const std::pair<const char*, const char*> buttons[] = {
      {"B_Open", "Открыть"},   {"B_Print", "Печать"},          {"B_SaveToDevice", "В устройство..."},
      {"B_Save", "Сохранить"}, {"B_Default", "По-умолчанию"}, {"B_Config", "Настройки"},
      {"B_CancelOpenList", "Отменить"}, {"B_OpenLIst", "Открыть файл"},
      {"B_OpenDirectly", "Выбрать файл \"в ручную\""}};
  for (const auto& [name, caption] : buttons) {
    auto* b = Find<QPushButton>(name);
    ASSERT_NE(b, nullptr) << name;
    EXPECT_EQ(b->accessibleName(), QString::fromUtf8(caption));
    EXPECT_TRUE(b->text().isEmpty()) << name;  // the caption is in the face
    EXPECT_FALSE(b->icon().isNull()) << name;
    EXPECT_EQ(TForm2::ButtonCaption(b->property("tag").toInt()), QString::fromUtf8(caption));
  }
  EXPECT_EQ(TForm2::ButtonCaption(-3), QStringLiteral("В устройство..."));
  EXPECT_EQ(TForm2::ButtonCaption(13), QString());
  EXPECT_FALSE(HintText(12).isEmpty());
  EXPECT_EQ(Find<QPushButton>("B_SaveToDevice")->toolTip(), HintText(12) + QStringLiteral(" (Ctrl+Shift+W)"));
}

TEST_F(TForm2Test, TooltipsOfTabHeadersAndGridColumns) {
  QTabBar* bar = window->Pages()->tabBar();
  QString text;
  QRect area;
  int loops = IndexOf("Tab_Shleifs");
  ASSERT_TRUE(window->My_onShowHint(bar, bar->tabRect(loops).center(), text, area));
  EXPECT_EQ(text, HintText(500));
  EXPECT_EQ(area, bar->tabRect(loops));

  window->GotoItem(Find("Tab_Shleifs"));
  auto* grid = Find<StringGrid>("SG_Shleifs");
  ASSERT_NE(grid, nullptr);
  for (int column = 1; column < grid->columnCount(); ++column) {
    const auto& editors = grid->ColumnEditors(column);
    if (editors.empty()) continue;
    QPoint at(grid->columnViewportPosition(column) + 2, 5);
    text.clear();
    ASSERT_TRUE(window->My_onShowHint(grid->viewport(), at, text, area));
    EXPECT_EQ(text, editors.back()->Widget()->toolTip()) << column;
    EXPECT_FALSE(text.isEmpty()) << column;
    EXPECT_EQ(area.left(), grid->columnViewportPosition(column));
  }
  // Other controls keep their own hint.
  text = QStringLiteral("own");
  EXPECT_TRUE(window->My_onShowHint(Find("E_Common_KEY"), QPoint(1, 1), text, area));
  EXPECT_EQ(text, QStringLiteral("own"));
}

}  // namespace
}  // namespace kestrin::test
