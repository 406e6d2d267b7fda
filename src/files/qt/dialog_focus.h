#pragma once
// Focus behaviour shared by the small dialogs of the files subsystem: the
// focused control is painted in the focus colour, and a click on a label
// moves the focus to the control it names.
#include <functional>

class QLabel;
class QWidget;

namespace kestrin {

// Paints control in the focus colour while it has the focus and in its kind's
// normal colour otherwise.
void FollowFocusColour(QWidget* control);

// A mouse press on label focuses target() when that control is visible,
// enabled and can take the focus.
void ForwardLabelClick(QLabel* label, std::function<QWidget*()> target);

}  // namespace kestrin
