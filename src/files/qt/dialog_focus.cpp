#include "files/qt/dialog_focus.h"

#include <QEvent>
#include <QLabel>

#include "gui/widgets/focus_colours.h"

namespace kestrin {

namespace {

class LabelClickFilter : public QObject {
 public:
  LabelClickFilter(QLabel* label, std::function<QWidget*()> target)
      : QObject(label), target_(std::move(target)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) {
      QWidget* t = target_ ? target_() : nullptr;
      if (t && t->isVisible() && t->isEnabled() && t->focusPolicy() != Qt::NoFocus)
        t->setFocus(Qt::MouseFocusReason);
    }
    return false;
  }

 private:
  std::function<QWidget*()> target_;
};

}  // namespace

void FollowFocusColour(QWidget* control) {
  if (!control) return;
  TrackFocusColour(control);
  SetFocusColour(control, FocusState::Normal);
}

void ForwardLabelClick(QLabel* label, std::function<QWidget*()> target) {
  if (!label) return;
  label->installEventFilter(new LabelClickFilter(label, std::move(target)));
}

}  // namespace kestrin
