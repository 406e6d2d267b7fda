#pragma once
// The "choose / Отказаться" button pair at the foot of the small dialogs of
// the files subsystem: painted faces, fixed size, centred in one row.
#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace kestrin {

struct OkCancelButtons {
  QPushButton* ok;      // objectName "BtnOK"
  QPushButton* cancel;  // objectName "BtnCancel"
  QHBoxLayout* row;     // both buttons centred, for the dialog's layout
};

OkCancelButtons MakeOkCancelButtons(QWidget* dialog, const QString& okCaption);

// Enter presses the focused button and nothing else: every push button of
// the dialog becomes auto-default, and Enter that reaches the dialog from
// any other control (a list, a tree, an edit) is dropped, so no default
// button can take it. Call once the buttons exist. Esc still rejects.
void EnterPressesFocusedButtonOnly(QDialog* dialog);

}  // namespace kestrin
