#pragma once
// Drives the parameter tabs as an installer does: cells are opened with a
// double click, Enter or space, edited by typing, closed by Enter, Esc or a
// click elsewhere.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "editor/grid_editors.h"
#include "gui/widgets/qt_text.h"
#include "model/reader.h"
#include "model/tab_rules.h"

namespace kestrin::test {

// Minimal input simulation (the Qt test library is not linked here): events
// are delivered as the window system would deliver them to the widget.
inline void KeyClick(QWidget* w, int key, const QString& text = QString()) {
  QString t = text;
  if (t.isEmpty()) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) t = QStringLiteral("\r");
    else if (key == Qt::Key_Escape) t = QString(QChar(27));
    else if (key == Qt::Key_Space) t = QStringLiteral(" ");
    else if (key == Qt::Key_Backspace) t = QString(QChar(8));
  }
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, t);
  QApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, t);
  QApplication::sendEvent(w, &release);
}

inline void KeyPaste(QWidget* w, const QString& clip) {
  QApplication::clipboard()->setText(clip);
  QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
  QApplication::sendEvent(w, &press);
}

inline void KeyClicks(QWidget* w, const QString& text) {
  for (QChar c : text) {
    const int key = c.isLetterOrNumber() && c.unicode() < 128 ? static_cast<int>(c.toUpper().unicode()) : static_cast<int>(Qt::Key_unknown);
    KeyClick(w, key, QString(c));
  }
}

inline void Mouse(QWidget* w, QEvent::Type type, QPoint pos) {
  const QPointF local(pos);
  QMouseEvent e(type, local, w->mapToGlobal(local), Qt::LeftButton,
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

inline void MouseClick(QWidget* w, QPoint pos = QPoint(-1, -1)) {
  if (pos == QPoint(-1, -1)) pos = w->rect().center();
  Mouse(w, QEvent::MouseButtonPress, pos);
  Mouse(w, QEvent::MouseButtonRelease, pos);
}

inline void MouseDClick(QWidget* w, QPoint pos) {
  Mouse(w, QEvent::MouseButtonPress, pos);
  Mouse(w, QEvent::MouseButtonRelease, pos);
  Mouse(w, QEvent::MouseButtonDblClick, pos);
  Mouse(w, QEvent::MouseButtonRelease, pos);
}

inline bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

enum class OpenBy { DoubleClick, Enter, Space };

// A window holding one tab, shown and active so that focus moves as it would.
template <class Tab>
struct TabHost {
  T_Command_DEVICE model;
  QWidget window;
  Tab* tab;
  explicit TabHost(bool defaults = true) {
    if (defaults) model.SetDefaults();
    auto* box = new QVBoxLayout(&window);
    tab = new Tab(model, &window);
    box->addWidget(tab);
    tab->Create();
    tab->Redraw();
    window.resize(900, 700);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(WaitFor([this] { return window.isActiveWindow(); }));
  }
};

inline QPoint CellCentre(StringGrid* grid, int col, int row) {
  grid->scrollTo(grid->model()->index(row - 1, col));
  return grid->visualRect(grid->model()->index(row - 1, col)).center();
}

// Opens the editor of a cell; returns the widget that has the focus after it.
inline QWidget* OpenCell(StringGrid* grid, int col, int row, OpenBy how = OpenBy::DoubleClick) {
  grid->setFocus();
  grid->SetCurrent(col, row);
  switch (how) {
    case OpenBy::DoubleClick:
      MouseDClick(grid->viewport(), CellCentre(grid, col, row));
      break;
    case OpenBy::Enter:
      KeyClick(grid, Qt::Key_Return);
      break;
    case OpenBy::Space:
      KeyClick(grid, Qt::Key_Space);
      break;
  }
  if (GridEditor* e = grid->OpenEditor()) return e->Widget();
  return QApplication::focusWidget();
}

// Types into the open edit-field editor of the cell and closes it with key.
inline void EditCell(StringGrid* grid, int col, int row, const QString& text, Qt::Key close = Qt::Key_Return,
                     OpenBy how = OpenBy::DoubleClick) {
  QWidget* editor = OpenCell(grid, col, row, how);
  ASSERT_TRUE(qobject_cast<QLineEdit*>(editor)) << "no edit field opened";
  KeyClicks(editor, text);
  KeyClick(editor, close);
}

// Opens a list cell and chooses the item at index (Enter on the dropped list).
inline void ChooseInList(StringGrid* grid, int col, int row, int index) {
  auto* combo = qobject_cast<GridComboBox*>(OpenCell(grid, col, row));
  ASSERT_TRUE(combo) << "no list opened";
  ASSERT_TRUE(combo->view()->isVisible()) << "list not dropped down";
  combo->view()->setCurrentIndex(combo->model()->index(index, 0));
  KeyClick(combo->view(), Qt::Key_Return);
  EXPECT_TRUE(WaitFor([combo] { return !combo->isVisible(); }));
}

inline std::string Utf8ToModel(const char* utf8) { return FromQ(QString::fromUtf8(utf8)); }

}  // namespace kestrin::test
