#include "files/qt/crypto_load.h"

#include <string_view>

#include "gui/widgets/qt_text.h"
#include "files/config_document.h"
#include "files/container.h"
#include "model/messages.h"
#include "model/text_buffer.h"
#include "gui/dialogs/form_dialog_set_key_config.h"
#include "gui/dialogs/form_error_message.h"

namespace kestrin {

namespace {

// Blanks around a key do not count (the same rule as the key preparation).
bool BlankKey(std::string_view key) { return key.find_first_not_of(' ') == std::string_view::npos; }

void ShowContainerError(TFormErrorMessage& errorDialog, const MessagePair& pair) {
  errorDialog.SetMessages(QString::fromUtf8(pair.message), QString::fromUtf8(pair.recommendation), true, false);
  errorDialog.exec();
}

}  // namespace

bool CryptoLoadFromFile(const QString& path, std::string& key, TextBuffer& buffer,
                        TFormDialogSetKeyConfig& keyDialog, TFormErrorMessage& errorDialog,
                        std::string& lastAppliedKey) {
  keyDialog.SetOpeningLayout();
  keyDialog.SetErrorKeyVisible(true);
  bool asking = true;
  bool accepted = true;
  while (asking) {
    if (BlankKey(key)) accepted = false;
    while (asking && !accepted) {
      if (keyDialog.KeyText().isEmpty()) keyDialog.SetErrorKeyVisible(false);
      if (keyDialog.exec() == TFormDialogSetKeyConfig::kResultApply) {
        key = FromQ(keyDialog.KeyText());
        lastAppliedKey = key;
        accepted = !BlankKey(key);
      } else {
        accepted = false;
        asking = false;
      }
    }
    if (!accepted) break;

    const int code = LoadCryptoFile(path.toStdString(), PrepareContainerKey(key), buffer);
    switch (code) {
      case kContainerOk:
        asking = false;
        break;
      case kContainerBadHeader:
        ShowContainerError(errorDialog, kMsgContainerHeader);
        accepted = asking = false;
        break;
      case kContainerBadSize:
        ShowContainerError(errorDialog, kMsgContainerSize);
        accepted = asking = false;
        break;
      case kContainerBadCheck:
        keyDialog.SetErrorKeyVisible(true);
        accepted = false;
        break;
      default:  // a key too short: ask again
        accepted = false;
        break;
    }
  }
  return accepted;
}

bool CryptoLoadFromFile(const QString& path, std::string& key, ConfigDocument& doc) {
  return CryptoLoadFromFile(path, key, doc.text, FormDialogSetKeyConfig(), FormErrorMessage(),
                            doc.lastAppliedKey);
}

}  // namespace kestrin
