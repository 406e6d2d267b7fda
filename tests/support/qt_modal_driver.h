#pragma once
// Drives real modal dialogs in widget tests: each step runs once a modal
// dialog is up, and the next step waits until that dialog has finished.
// A dialog that shows when no step is left is closed and counted.
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

namespace kestrin::test {

class ModalDriver {
 public:
  using Step = std::function<void(QDialog*)>;

  ModalDriver() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start();
  }

  ModalDriver& Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
  }

  int StepsRun() const { return run_; }
  int StepsLeft() const { return static_cast<int>(steps_.size()); }
  int Unexpected() const { return unexpected_; }

 private:
  void Tick() {
    if (busy_) return;
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    // Focus events only flow once the window is active; give it a second.
    if (!dialog->isActiveWindow() && ++waited_ < 200) return;
    waited_ = 0;
    busy_ = true;
    auto conn = std::make_shared<QMetaObject::Connection>();
    *conn = QObject::connect(dialog, &QDialog::finished, [this, conn] {
      busy_ = false;
      QObject::disconnect(*conn);
    });
    if (steps_.empty()) {
      ++unexpected_;
      dialog->reject();
      return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    ++run_;
    step(dialog);
  }

  QTimer timer_;
  std::deque<Step> steps_;
  bool busy_ = false;
  int waited_ = 0;
  int run_ = 0;
  int unexpected_ = 0;
};

// Sends a key press and release to the widget, as typing would.
inline void TypeKey(QWidget* target, int key, const QString& text = QString(),
                    Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, mods, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, mods, text);
  QApplication::sendEvent(target, &release);
}

// Types each character of text.
inline void TypeText(QWidget* target, const QString& text) {
  for (const QChar ch : text) TypeKey(target, 0, QString(ch));
}

inline QPushButton* Button(QWidget* dialog, const char* name) {
  return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

}  // namespace kestrin::test
