#include "gui/dialogs/centred_dialog.h"

#include "gui/dialogs/dialog_common.h"

namespace kestrin {

CentredDialog::CentredDialog(QWidget* parent, int closedResult)
    : QDialog(parent), closedResult_(closedResult) {}

void CentredDialog::reject() { done(closedResult_); }

void CentredDialog::showEvent(QShowEvent* event) {
  dialogs::Centre(this, centreOn_ ? centreOn_.data() : parentWidget());
  QDialog::showEvent(event);
  if (QWidget* first = FirstFocus()) first->setFocus(Qt::OtherFocusReason);
}

}  // namespace kestrin
