#pragma once
// Tooltips from the hint catalogue. A tooltip shows after 1000 ms and stays
// until the mouse leaves its control (or the hook's area); a HintDisplay
// decides what is shown and can switch them all off.
#include <QObject>
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
// to the number. An unknown number leaves the control unchanged. Touches
// nothing but the control.
void AssignHint(QWidget* control, int number);

// Sets the application style to one with the 1000 ms tooltip wake-up delay.
// The program entry calls it once, before the first window; again after any
// other QApplication::setStyle. Idempotent.
void InstallHintTiming();

// Runs before every tooltip: may change the text (empty: no tooltip) and
// narrow the area outside which it hides (control coordinates; initially
// the control's rect). Returns false to show nothing.
using HintHook = std::function<bool(QWidget* control, const QPoint& localPos, QString& text,
                                    QRect& area)>;

// Shows the application's tooltips until the mouse leaves, through the hook,
// or none at all while hidden. Watches the application while it lives; the
// window owns one.
class HintDisplay : public QObject {
 public:
  explicit HintDisplay(QObject* parent = nullptr);
  ~HintDisplay() override;
  HintDisplay(const HintDisplay&) = delete;
  HintDisplay& operator=(const HintDisplay&) = delete;

  void SetHook(HintHook hook) { hook_ = std::move(hook); }
  // true: no tooltip is shown anywhere; false: tooltips again.
  void SetHidden(bool hide);
  bool Hidden() const { return hidden_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool hidden_ = false;
  HintHook hook_;
};

}  // namespace kestrin
