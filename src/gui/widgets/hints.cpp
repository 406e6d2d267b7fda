#include "gui/widgets/hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

#include "model/hint_catalogue.h"

namespace kestrin {

namespace {

constexpr int kWakeUpDelayMs = 1000;
// Long enough to count as "until the mouse leaves".
constexpr int kDisplayTimeMs = 24 * 60 * 60 * 1000;

class HintStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return kWakeUpDelayMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

QString HintText(int number) {
  const char* text = FindHintUtf8(number);
  if (!text) return QString();
  QString out = QString::fromUtf8(text);
  out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return out;
}

void AssignHint(QWidget* control, int number) {
  if (!control) return;
  const QString text = HintText(number);
  if (text.isEmpty()) return;
  control->setProperty("showHint", true);
  control->setProperty("helpContext", number);
  control->setToolTip(text);
}

void InstallHintTiming() {
  if (!qApp) return;
  if (!dynamic_cast<HintStyle*>(QApplication::style())) QApplication::setStyle(new HintStyle);
}

HintDisplay::HintDisplay(QObject* parent) : QObject(parent) {
  if (qApp) qApp->installEventFilter(this);
}

HintDisplay::~HintDisplay() {
  if (qApp) qApp->removeEventFilter(this);
}

void HintDisplay::SetHidden(bool hide) {
  hidden_ = hide;
  if (hide) QToolTip::hideText();
}

bool HintDisplay::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip) return false;
  if (hidden_) {
    QToolTip::hideText();
    return true;
  }
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget) return false;
  auto* help = static_cast<QHelpEvent*>(event);
  QString text = widget->toolTip();
  QRect area = widget->rect();
  if (hook_ && !hook_(widget, help->pos(), text, area)) {
    QToolTip::hideText();
    return true;
  }
  if (text.isEmpty()) {
    // Let the event travel up to a parent that has a tooltip.
    return false;
  }
  QToolTip::showText(help->globalPos(), text, widget, area, kDisplayTimeMs);
  return true;
}

}  // namespace kestrin
