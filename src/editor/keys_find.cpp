#include "editor/keys_find.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "gui/widgets/focus_colours.h"

namespace kestrin {

void SetWrongValueLook(QWidget* control) {
  QPalette pal = control->palette();
  pal.setColor(QPalette::Window, QColor(255, 0, 0));
  pal.setColor(QPalette::Base, QColor(255, 0, 0));
  pal.setColor(QPalette::WindowText, WindowColour());
  pal.setColor(QPalette::Text, WindowColour());
  control->setPalette(pal);
}

KeysFindBar::KeysFindBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("P_Keys_Find"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  L_Keys_Find = new QLabel(QStringLiteral("Найти:"), this);
  L_Keys_Find->setObjectName(QStringLiteral("L_Keys_Find"));
  E_Keys_Find = new QLineEdit(this);
  E_Keys_Find->setObjectName(QStringLiteral("E_Keys_Find"));
  E_Keys_Find->setMinimumWidth(240);
  L_Keys_Find->setBuddy(E_Keys_Find);  // screen readers name the field by its label
  row->addWidget(L_Keys_Find);
  row->addWidget(E_Keys_Find);
  row->addStretch(1);
  E_Keys_Find->installEventFilter(this);
  connect(E_Keys_Find, &QLineEdit::textEdited, this, &KeysFindBar::textEdited);
  TrackFocusColour(E_Keys_Find);
  // The focus colouring repaints the field when the focus comes or goes;
  // queued, so that a field matching nothing stays red after it.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    if (noMatch_ && (old == E_Keys_Find || now == E_Keys_Find)) SetWrongValueLook(E_Keys_Find);
  }, Qt::QueuedConnection);
}

QString KeysFindBar::Text() const { return E_Keys_Find->text(); }

void KeysFindBar::Open() {
  show();
  E_Keys_Find->setFocus(Qt::ShortcutFocusReason);
  E_Keys_Find->selectAll();
}

void KeysFindBar::SetNoMatch(bool noMatch) {
  noMatch_ = noMatch;
  if (noMatch) {
    SetWrongValueLook(E_Keys_Find);
    return;
  }
  QPalette pal = E_Keys_Find->palette();
  pal.setColor(QPalette::Text, QApplication::palette().color(QPalette::Text));
  E_Keys_Find->setPalette(pal);
  // Back to the focus colouring's rule.
  SetFocusColour(E_Keys_Find, E_Keys_Find->hasFocus() ? FocusState::Focused : FocusState::Normal);
}

bool KeysFindBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched != E_Keys_Find || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit nextRequested();
      return true;
    case Qt::Key_F3:
      if (key->modifiers() & Qt::ShiftModifier) emit previousRequested();
      else emit nextRequested();
      return true;
    case Qt::Key_Escape:
      emit closeRequested();
      return true;
    default:
      return QWidget::eventFilter(watched, event);
  }
}

}  // namespace kestrin
