#pragma once
// Tooltips from the hint catalogue. A tooltip shows after 1000 ms and stays
// until the mouse leaves its control (or the hook's area); HideHint switches
// them all off.
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

class QWidget;

namespace kestrin {

// Multi-line tooltip text of a hint number; empty when unknown.
QString HintText(int number);

// Gives the control the hint's text as tooltip, turns its hint display on
// (property "showHint") and sets its help context (property "helpContext")
// to the number. An unknown number leaves the control unchanged.
void AssignHint(QWidget* control, int number);

// Installs the tooltip timing for the whole application: a proxy style with
// a 1000 ms wake-up delay and the event filter that shows tooltips until the
// mouse leaves. Idempotent; AssignHint calls it. Call it again after any
// QApplication::setStyle.
void InstallHintTiming();

// Runs before every tooltip: may change the text (empty: no tooltip) and
// narrow the area outside which it hides (control coordinates; initially
// the control's rect). Returns false to show nothing.
using HintHook = std::function<bool(QWidget* control, const QPoint& localPos, QString& text,
                                    QRect& area)>;
void SetHintHook(HintHook hook);

// true: no tooltip is shown anywhere; false: tooltips again.
void HideHint(bool hide);
bool HintsHidden();

}  // namespace kestrin
