#pragma once
// The question before unsaved edits would be lost: a green window in the
// look of the confirmation dialog with "Сохранить" (BitBtnSave), "Не
// сохранять" (BitBtnDiscard) and "Отменить" (BitBtnCancel).
#include "gui/dialogs/centred_dialog.h"

class QLabel;
class QPushButton;

namespace kestrin {

class TFormSaveChanges : public CentredDialog {
  Q_OBJECT
 public:
  static constexpr int kResultSave = 1;
  static constexpr int kResultCancel = 2;  // "Отменить", Esc or closing
  static constexpr int kResultDiscard = 3;

  explicit TFormSaveChanges(QWidget* parent = nullptr);

  QString Message() const;

 protected:
  QWidget* FirstFocus() const override;

 private:
  QLabel* message_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* discard_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace kestrin
