#pragma once
// The key dialog: asks for the key of an enciphered configuration file.
// Its edit text stays from one showing to the next.
#include "gui/dialogs/centred_dialog.h"
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kestrin {

class TFormDialogSetKeyConfig : public CentredDialog {
  Q_OBJECT
 public:
  static constexpr int kResultApply = 1;   // "Применить"
  static constexpr int kResultCancel = 2;  // "Отказаться", Esc or closing
  static constexpr int kKeyMaxLength = 32;
  // Outer height of the window in the opening layout, title bar included.
  static constexpr int kOpeningWindowHeight = 179;

  explicit TFormDialogSetKeyConfig(QWidget* parent = nullptr);

  // Layout for asking the key of a file being opened: "Новый/текущий ключ:"
  // hidden, window height 179, both buttons at top 96.
  void SetOpeningLayout();
  // "(текущий ключ не верный)"
  void SetErrorKeyVisible(bool visible);
  bool ErrorKeyVisible() const;

  QString KeyText() const;
  void SetKeyText(const QString& text);
  QLineEdit* KeyEdit() const { return edit_; }

 protected:
  QWidget* FirstFocus() const override;

 private:
  QLabel* recommendation_ = nullptr;
  QLabel* errorKey_ = nullptr;
  QLabel* newKey_ = nullptr;
  QLineEdit* edit_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace kestrin
