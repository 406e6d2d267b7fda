#pragma once
// The question before unsaved edits would be lost: a green window in the
// look of the confirmation dialog with "Сохранить" (BitBtnSave), "Не
// сохранять" (BitBtnDiscard) and "Отменить" (BitBtnCancel).
#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

namespace kestrin {

class TFormSaveChanges : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kResultSave = 1;
  static constexpr int kResultCancel = 2;  // "Отменить", Esc or closing
  static constexpr int kResultDiscard = 3;

  explicit TFormSaveChanges(QWidget* parent = nullptr);

  QString Message() const;
  void SetCentreOn(QWidget* window) { centreOn_ = window; }

 protected:
  void showEvent(QShowEvent* event) override;

 public slots:
  void reject() override;

 private:
  QLabel* message_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* discard_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPointer<QWidget> centreOn_;
};

}  // namespace kestrin
