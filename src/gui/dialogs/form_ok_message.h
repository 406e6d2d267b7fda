#pragma once
// The confirmation dialog: a green window that reports success or asks a
// yes/no question.
#include "gui/dialogs/centred_dialog.h"
#include <QString>

class QLabel;
class QPushButton;

namespace kestrin {

class TFormOkMessage : public CentredDialog {
  Q_OBJECT
 public:
  static constexpr int kResultContinue = 1;  // "Продолжить"
  static constexpr int kResultCancel = 2;    // "Отказаться", Esc or closing

  explicit TFormOkMessage(QWidget* parent = nullptr);

  // Both texts; with ask "Отказаться" is shown and "Продолжить" stands at
  // left 328, without it "Продолжить" stands alone at left 184.
  void SetMessages(const QString& message, const QString& secondLine, bool ask);

  QString Message() const;
  QString SecondLine() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  QWidget* FirstFocus() const override;

 private:
  QLabel* message_ = nullptr;
  QLabel* secondLine_ = nullptr;
  QPushButton* continue_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace kestrin
