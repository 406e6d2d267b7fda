#include "gui/widgets/hints.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QStyle>
#include <QToolTip>
#include <gtest/gtest.h>

namespace kestrin {
namespace {

// Asks the widget for its tooltip the way the application does after the delay.
void RequestToolTip(QWidget* w) {
  QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(w, &event);
}

// Hiding a tooltip takes a short fade; wait until it is gone.
void WaitToolTipGone() {
  QElapsedTimer t;
  t.start();
  while (QToolTip::isVisible() && t.elapsed() < 2000) QApplication::processEvents();
}

TEST(Hints, AssignSetsTextHelpContextAndDisplay) {
  QLabel label;
  QStyle* const style = QApplication::style();
  AssignHint(&label, 801);
  EXPECT_EQ(QApplication::style(), style);  // the application is left alone
  EXPECT_EQ(label.property("helpContext").toInt(), 801);
  EXPECT_TRUE(label.property("showHint").toBool());
  const QStringList lines = label.toolTip().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Задает имя прибора")));
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Псевдоним помещается")));
  EXPECT_FALSE(label.toolTip().contains(QLatin1Char('\r')));
  EXPECT_EQ(HintText(10).count(QLatin1Char('\n')), 2);
}

TEST(Hints, UnknownNumberLeavesTheControlAsItWas) {
  QLabel label;
  label.setToolTip(QStringLiteral("своя"));
  label.setProperty("helpContext", 7);
  for (int n : {0, 17, 99999, -5}) {
    AssignHint(&label, n);
    EXPECT_EQ(label.toolTip(), QStringLiteral("своя")) << n;
    EXPECT_EQ(label.property("helpContext").toInt(), 7) << n;
    EXPECT_FALSE(label.property("showHint").isValid()) << n;
  }
  EXPECT_TRUE(HintText(17).isEmpty());
}

TEST(Hints, HideHintSwitchesTooltipsOffAndOn) {
  QLabel label(QStringLiteral("метка"));
  AssignHint(&label, 13);
  label.show();

  WaitToolTipGone();
  {
    HintDisplay hints;
    hints.SetHidden(true);
    EXPECT_TRUE(hints.Hidden());
    RequestToolTip(&label);
    EXPECT_FALSE(QToolTip::isVisible());

    hints.SetHidden(false);
    RequestToolTip(&label);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Сохранить конфигурацию в файл"));
    QToolTip::hideText();
    WaitToolTipGone();
    hints.SetHidden(true);
  }
  // Hidden tooltips do not outlive the display that hid them.
  RequestToolTip(&label);
  EXPECT_TRUE(QToolTip::isVisible());
  QToolTip::hideText();
  WaitToolTipGone();
}

TEST(Hints, HookMayReplaceOrCancelTheText) {
  QLabel label(QStringLiteral("метка"));
  AssignHint(&label, 11);
  label.show();
  HintDisplay hints;
  hints.SetHook([](QWidget*, const QPoint&, QString& text, QRect& area) {
    text = QStringLiteral("другая");
    area = QRect(0, 0, 10, 10);
    return true;
  });
  RequestToolTip(&label);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), QStringLiteral("другая"));
  QToolTip::hideText();
  WaitToolTipGone();
  ASSERT_FALSE(QToolTip::isVisible());

  hints.SetHook([](QWidget*, const QPoint&, QString&, QRect&) { return false; });
  RequestToolTip(&label);
  EXPECT_FALSE(QToolTip::isVisible());
}

TEST(Hints, TimingStyleWaitsOneSecond) {
  InstallHintTiming();
  EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 1000);
}

}  // namespace
}  // namespace kestrin
