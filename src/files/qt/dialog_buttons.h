#pragma once
// The "choose / Отказаться" button pair at the foot of the small dialogs of
// the files subsystem: painted faces, fixed size, centred in one row.
#include <QString>

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace kestrin {

struct OkCancelButtons {
  QPushButton* ok;      // objectName "BtnOK", the dialog's default button
  QPushButton* cancel;  // objectName "BtnCancel"
  QHBoxLayout* row;     // both buttons centred, for the dialog's layout
};

OkCancelButtons MakeOkCancelButtons(QWidget* dialog, const QString& okCaption);

}  // namespace kestrin
