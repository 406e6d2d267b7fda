#pragma once
// The error dialog: a yellow window with what is wrong and what to do, and
// buttons to fix, to continue or to reset a value to its default.
#include "gui/dialogs/centred_dialog.h"
#include <QString>

class QLabel;
class QPushButton;

namespace kestrin {

class TFormErrorMessage : public CentredDialog {
  Q_OBJECT
 public:
  // Modal results (exec() returns them).
  static constexpr int kResultContinue = 1;  // "Продолжить" or "Установить "по-умолчанию""
  static constexpr int kResultClosed = 2;    // closed from the title bar
  static constexpr int kResultFix = 4;       // "Исправить"

  explicit TFormErrorMessage(QWidget* parent = nullptr);

  // Both texts; hides "Установить "по-умолчанию"", shows "Исправить" when
  // showFix and "Продолжить" when showContinue.
  void SetMessages(const QString& message, const QString& recommendation, bool showFix,
                   bool showContinue);
  // Both texts; shows "Исправить", hides "Продолжить", shows
  // "Установить "по-умолчанию"" exactly when offerDefault.
  void SetErrorContinue(const QString& message, const QString& recommendation, bool offerDefault);

  QString Message() const;
  QString Recommendation() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  QWidget* FirstFocus() const override;

 private:
  QLabel* message_ = nullptr;
  QLabel* recommendation_ = nullptr;
  QPushButton* continue_ = nullptr;
  QPushButton* default_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace kestrin
