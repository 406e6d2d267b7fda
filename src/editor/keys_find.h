#pragma once
// The find field under the keys grid: "Найти:" and a line edit. Typing,
// Enter, F3 and Shift+F3 ask the tab for a key; Esc closes the field.
#include <QWidget>

class QLabel;
class QLineEdit;

namespace kestrin {

// The look of a refused value (the duplicate-code notice): red behind text
// in the window colour.
void SetWrongValueLook(QWidget* control);

class KeysFindBar : public QWidget {
  Q_OBJECT
 public:
  explicit KeysFindBar(QWidget* parent = nullptr);

  QString Text() const;
  // Shows the bar and puts the focus in the field, its text selected.
  void Open();
  // Colours the field as a refused value while nothing matches.
  void SetNoMatch(bool noMatch);
  bool NoMatch() const { return noMatch_; }

  QLabel* L_Keys_Find = nullptr;
  QLineEdit* E_Keys_Find = nullptr;

 signals:
  void textEdited(const QString& text);
  void nextRequested();
  void previousRequested();
  void closeRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool noMatch_ = false;
};

}  // namespace kestrin
