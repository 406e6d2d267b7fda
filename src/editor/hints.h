#pragma once
// Tooltips from the hint catalogue. A tooltip shows after 1000 ms and stays
// until the mouse leaves its control; HideHint switches them all off.
#include <QString>

class QWidget;

namespace kestrin {

// Multi-line tooltip text of a hint number; empty when unknown.
QString HintText(int number);

// Gives the control the hint's text as tooltip, turns its hint display on
// and sets its help context (property "helpContext") to the number. An
// unknown number leaves the control unchanged.
void AssignHint(QWidget* control, int number);

// Installs the application-wide tooltip timing (idempotent; AssignHint calls it).
void InstallHintTiming();

// true: no tooltip is shown anywhere; false: tooltips again.
void HideHint(bool hide);
bool HintsHidden();

}  // namespace kestrin
