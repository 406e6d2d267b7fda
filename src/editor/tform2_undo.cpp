// Undo and redo of stored edits: each step is the whole configuration as the
// tabs held it after one edit (a cell stored, a field left, a box, list or
// slider changed).
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "editor/tform2.h"

namespace kestrin {

namespace {

// While a field has something of its own to undo (it is being typed in),
// Ctrl+Z is the field's; otherwise the window's undo gets the keys.
class FieldUndoGate : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!edit) return false;
    if (key->matches(QKeySequence::Undo) && !edit->isUndoAvailable()) return true;
    if (key->matches(QKeySequence::Redo) && !edit->isRedoAvailable()) return true;
    return false;
  }
};

}  // namespace

void TForm2::CreateUndoCommands() {
  struct Command {
    const char* name;
    QList<QKeySequence> keys;
    void (TForm2::*run)();
  };
  const Command commands[] = {
      {"A_Undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &TForm2::UndoEdit},
      {"A_Redo", {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
       &TForm2::RedoEdit},
  };
  for (const Command& c : commands) {
    auto* action = new QAction(this);
    action->setObjectName(QLatin1String(c.name));
    action->setShortcuts(c.keys);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, [this, run = c.run] {
      if (shown_ && !listMode_) (this->*run)();
    });
  }
}

void TForm2::WatchForUndo() {
  doc_.AddObserver([this] { ScheduleRecord(); });
  auto* gate = new FieldUndoGate(this);
  for (QLineEdit* edit : PagesParam->findChildren<QLineEdit*>()) {
    if (!HoldsConfiguration(edit)) continue;
    edit->installEventFilter(gate);
    // A field's text is one step when the field is left, not one per key.
    editWatches_.push_back(connect(edit, &QLineEdit::editingFinished, this, [this] { ScheduleRecord(); }));
  }
}

void TForm2::StartHistory() {
  recordScheduled_ = false;
  history_.Start(doc_.AsShown());
}

void TForm2::ScheduleRecord() {
  // One look after a burst of changes (a redraw or a row save touches many cells).
  if (restoring_ || recordScheduled_) return;
  recordScheduled_ = true;
  QTimer::singleShot(0, this, [this] {
    if (recordScheduled_) RecordEdit();
  });
}

void TForm2::RecordEdit() {
  recordScheduled_ = false;
  if (restoring_) return;
  // A field being typed in becomes a step when it is left.
  auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  if (edit && PagesParam->isAncestorOf(edit) && HoldsConfiguration(edit)) return;
  history_.Record(doc_.AsShown());
}

void TForm2::UndoEdit() {
  FinishCellEditing();
  RecordEdit();  // a field's text not yet recorded is the last step
  RestoreStep(history_.Undo());
}

void TForm2::RedoEdit() { RestoreStep(history_.Redo()); }

void TForm2::RestoreStep(const EditHistory::Move& move) {
  if (!move.state) return;
  restoring_ = true;
  doc_.edited = *move.state;
  Redraw_All();
  doc_.Touched();
  restoring_ = false;
  recordScheduled_ = false;
  if (move.at) GotoCheckTarget(move.at->tabObject, move.at->control, move.at->row, move.at->column);
}

}  // namespace kestrin
