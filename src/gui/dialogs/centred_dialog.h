#pragma once
// Base of the modal message and key dialogs: shown centred on their owner
// with their first control focused; closing them from the title bar or with
// Esc ends them with one fixed result.
#include <QDialog>
#include <QPointer>

namespace kestrin {

class CentredDialog : public QDialog {
  Q_OBJECT
 public:
  // The window the dialog centres on when shown (default: its parent, else
  // the active window).
  void SetCentreOn(QWidget* window) { centreOn_ = window; }

 public slots:
  void reject() override;

 protected:
  CentredDialog(QWidget* parent, int closedResult);
  void showEvent(QShowEvent* event) override;
  // The control that takes the focus once the dialog is shown (null: none).
  virtual QWidget* FirstFocus() const = 0;

 private:
  int closedResult_;
  QPointer<QWidget> centreOn_;
};

}  // namespace kestrin
