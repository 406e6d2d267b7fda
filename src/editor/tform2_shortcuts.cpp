// Keyboard shortcuts of the main window's command buttons, shown in their tooltips.
#include <QAction>
#include <QKeySequence>
#include <QPushButton>

#include "editor/tform2.h"

namespace kestrin {

namespace {

// Every key leaves Qt's editing keys (undo, cut, copy, paste, select all, redo) alone.
struct ButtonShortcut {
  const char* button;
  QKeyCombination keys;
};

constexpr ButtonShortcut kButtonShortcuts[] = {
    {"B_Open", Qt::CTRL | Qt::Key_O},
    {"B_Print", Qt::CTRL | Qt::Key_P},
    {"B_SaveToDevice", Qt::CTRL | Qt::SHIFT | Qt::Key_W},
    {"B_Save", Qt::CTRL | Qt::Key_S},
    {"B_Default", Qt::CTRL | Qt::SHIFT | Qt::Key_D},
    {"B_Config", Qt::CTRL | Qt::SHIFT | Qt::Key_O},
};

}  // namespace

QKeySequence TForm2::CommandShortcut(const QString& buttonName) {
  for (const ButtonShortcut& s : kButtonShortcuts) {
    if (buttonName == QLatin1String(s.button)) return QKeySequence(s.keys);
  }
  if (buttonName == QLatin1String("A_Compare")) return QKeySequence(Qt::CTRL | Qt::Key_D);
  if (buttonName == QLatin1String("A_Params")) return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F);
  return QKeySequence();
}

void TForm2::CreateShortcuts() {
  for (const ButtonShortcut& s : kButtonShortcuts) {
    auto* button = findChild<QPushButton*>(QLatin1String(s.button));
    if (!button) continue;
    const QKeySequence keys(s.keys);
    auto* action = new QAction(this);
    action->setObjectName(QStringLiteral("A_") + button->objectName().mid(2));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, [button] {
      // Exactly a click: nothing while the button is hidden or withdrawn, and
      // the focus moves to it first, so that an open cell editor stores its text.
      if (!button->isVisible() || !button->isEnabled()) return;
      button->setFocus(Qt::ShortcutFocusReason);
      button->click();
    });
    const QString hint = button->toolTip();
    const QString shown = keys.toString(QKeySequence::NativeText);
    button->setToolTip(hint.isEmpty() ? shown : hint + QStringLiteral(" (") + shown + QLatin1Char(')'));
  }
}

}  // namespace kestrin
