// The program-wide message and key dialogs.
#include <QPointer>

#include "gui/dialogs/form_dialog_set_key_config.h"
#include "gui/dialogs/form_error_message.h"
#include "gui/dialogs/form_ok_message.h"

namespace kestrin {

namespace {

QPointer<TFormErrorMessage> g_error;
QPointer<TFormOkMessage> g_ok;
QPointer<TFormDialogSetKeyConfig> g_key;

template <class Dialog>
Dialog& Instance(QPointer<Dialog>& slot) {
  if (!slot) slot = new Dialog(nullptr);
  return *slot;
}

template <class Dialog>
void Adopt(QPointer<Dialog>& slot, QWidget* owner) {
  if (slot) {
    slot->setParent(owner, slot->windowFlags());
  } else {
    slot = new Dialog(owner);
  }
  slot->SetCentreOn(owner);
}

}  // namespace

TFormErrorMessage& FormErrorMessage() { return Instance(g_error); }
TFormOkMessage& FormOkMessage() { return Instance(g_ok); }
TFormDialogSetKeyConfig& FormDialogSetKeyConfig() { return Instance(g_key); }

void CreateDialogs(QWidget* mainWindow) {
  Adopt(g_error, mainWindow);
  Adopt(g_ok, mainWindow);
  Adopt(g_key, mainWindow);
}

}  // namespace kestrin
