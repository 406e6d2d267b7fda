#pragma once
// Drives real modal dialogs in widget tests: each step runs once a modal
// dialog is up, and the next step waits until that dialog has finished.
// A dialog that shows when no step is left is rejected and counted, so a
// test never hangs. The one driver of every widget test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

namespace kestrin::test {

class ModalDriver {
 public:
  using Step = std::function<void(QDialog*)>;
  using Describer = std::function<QString(QWidget*)>;

  enum class Pace {
    // A step once a dialog is up and active; the next step waits until that
    // dialog has finished.
    OnePerDialog,
    // A step on whatever modal dialog is up at each tick (the main window's
    // tests, whose answers close their dialog).
    EveryTick,
  };

  explicit ModalDriver(Pace pace = Pace::OnePerDialog) : pace_(pace) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start();
  }

  ModalDriver& Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
  }
  // Clicks a visible button of the next dialog.
  ModalDriver& ThenClick(const char* button) {
    return Then([button](QDialog* d) { Click(d, button); });
  }
  // Types the key into the key dialog and applies it.
  ModalDriver& ThenKey(const QString& key) {
    return Then([key](QDialog* d) {
      d->findChild<QLineEdit*>(QStringLiteral("EditKEYConfig"))->setText(key);
      Click(d, "BtnOK");
    });
  }
  // Each dialog met is described into seen (default: its objectName).
  void SetDescriber(Describer describe) { describe_ = std::move(describe); }

  int StepsRun() const { return run_; }
  int StepsLeft() const { return static_cast<int>(steps_.size()); }
  int Unexpected() const { return unexpected_; }
  QStringList seen;

  static void Click(QWidget* dialog, const char* button) {
    auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    ASSERT_TRUE(b->isVisible()) << button;
    b->click();
  }

 private:
  void Tick() {
    if (busy_) return;
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    if (pace_ == Pace::OnePerDialog) {
      // Focus events only flow once the window is active; give it a second.
      if (!dialog->isActiveWindow() && ++waited_ < 200) return;
      waited_ = 0;
      busy_ = true;
      auto conn = std::make_shared<QMetaObject::Connection>();
      *conn = QObject::connect(dialog, &QDialog::finished, [this, conn] {
        busy_ = false;
        QObject::disconnect(*conn);
      });
    }
    seen << (describe_ ? describe_(dialog) : dialog->objectName());
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

  Pace pace_;
  Describer describe_;
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
