#include "gui/widgets/focus_colours.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTableView>

namespace kestrin {

namespace {

QColor FromRgb(Rgb rgb) {
  return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>(rgb & 0xFF));
}

enum class Kind { Other, Face, Edit, Window };

Kind KindOf(const QWidget* control) {
  if (qobject_cast<const QLabel*>(control) || qobject_cast<const QRadioButton*>(control) ||
      qobject_cast<const QCheckBox*>(control) || qobject_cast<const QSlider*>(control))
    return Kind::Face;
  if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QAbstractSpinBox*>(control))
    return Kind::Edit;
  if (qobject_cast<const QComboBox*>(control)) return Kind::Window;
  // Grids keep their own colours; lists and trees take the window colour.
  if (qobject_cast<const QTableView*>(control)) return Kind::Other;
  if (qobject_cast<const QAbstractItemView*>(control)) return Kind::Window;
  return Kind::Other;
}

class FocusColourFilter : public QObject {
 public:
  FocusColourFilter(QWidget* control, std::vector<QWidget*> labels)
      : QObject(control), labels_(std::move(labels)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
    const FocusState state =
        event->type() == QEvent::FocusIn ? FocusState::Focused : FocusState::Normal;
    SetFocusColour(qobject_cast<QWidget*>(watched), state);
    for (QWidget* label : labels_) SetFocusColour(label, state);
    return false;
  }

 private:
  std::vector<QWidget*> labels_;
};

bool ReadOnly(const QWidget* control) {
  if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->isReadOnly();
  if (auto* spin = qobject_cast<const QAbstractSpinBox*>(control)) return spin->isReadOnly();
  return false;
}

}  // namespace

QColor FocusColour() { return FromRgb(kFocusColourRgb); }
QColor SelectedRowColour() { return FromRgb(kSelectedRowColourRgb); }
QColor GuardColour() { return FromRgb(kGuardColourRgb); }
QColor WindowColour() { return QApplication::palette().color(QPalette::Base); }
QColor ButtonFaceColour() { return QApplication::palette().color(QPalette::Button); }

QColor RgbColour(Rgb rgb) { return rgb == kWindowColourRgb ? WindowColour() : FromRgb(rgb); }

void SetFocusColour(QWidget* control, FocusState state, const QColor& colour) {
  if (!control) return;
  const Kind kind = KindOf(control);
  if (kind == Kind::Other) return;

  QColor c;
  switch (state) {
    case FocusState::Focused:
      c = FocusColour();
      break;
    case FocusState::Given:
      c = colour;
      break;
    case FocusState::Normal:
      if (kind == Kind::Face)
        c = ButtonFaceColour();
      else if (kind == Kind::Edit)
        c = ReadOnly(control) ? ButtonFaceColour() : WindowColour();
      else
        c = WindowColour();
      break;
  }

  QPalette pal = control->palette();
  if (kind == Kind::Face) {
    pal.setColor(QPalette::Window, c);
    control->setAutoFillBackground(true);
  } else {
    pal.setColor(QPalette::Base, c);
    // A closed drop-down list paints its face with the button colour.
    if (qobject_cast<QComboBox*>(control)) pal.setColor(QPalette::Button, c);
  }
  control->setPalette(pal);
  if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
    combo->lineEdit()->setPalette(pal);
}

void TrackFocusColour(QWidget* control, std::vector<QWidget*> labels) {
  if (!control) return;
  // Once per control: the first call, the one that names the labels, holds.
  const QString name = QStringLiteral("focusColourFilter");
  if (control->findChild<QObject*>(name, Qt::FindDirectChildrenOnly)) return;
  auto* filter = new FocusColourFilter(control, std::move(labels));
  filter->setObjectName(name);
  control->installEventFilter(filter);
}

QColor BackgroundColour(const QWidget* control) {
  if (!control) return QColor();
  const Kind kind = KindOf(control);
  if (kind == Kind::Other) return QColor();
  return control->palette().color(kind == Kind::Face ? QPalette::Window : QPalette::Base);
}

}  // namespace kestrin
