#include "files/qt/crypto_load.h"

#include <string_view>

#include "gui/widgets/qt_text.h"
#include "files/config_document.h"
#include "files/container.h"
#include "files/file_bytes.h"
#include "model/messages.h"
#include "model/text_buffer.h"
#include "gui/dialogs/message_service.h"

namespace kestrin {

namespace {

// Blanks around a key do not count (the same rule as the key preparation).
bool BlankKey(std::string_view key) { return key.find_first_not_of(' ') == std::string_view::npos; }

void ShowContainerError(MessageService& messages, const MessagePair& pair) {
  messages.Error(QString::fromUtf8(pair.message), QString::fromUtf8(pair.recommendation), true,
                 false);
}

}  // namespace

bool CryptoLoadFromFile(const QString& path, std::string& key, TextBuffer& buffer,
                        MessageService& messages, std::string& lastAppliedKey) {
  // A file that cannot be read at all gets the opening failure, before any
  // key is asked (it used to read as empty and fail the signature).
  if (CheckConfigFileReadable(path.toStdString(), true) != ReadStatus::Ok) {
    buffer.Clear();
    ShowContainerError(messages, kMsgCannotOpen);
    return false;
  }
  messages.PrepareKeyForOpening();
  messages.SetWrongKeyVisible(true);
  bool asking = true;
  bool accepted = true;
  while (asking) {
    if (BlankKey(key)) accepted = false;
    while (asking && !accepted) {
      if (messages.KeyText().isEmpty()) messages.SetWrongKeyVisible(false);
      if (messages.AskKey()) {
        key = FromQ(messages.KeyText());
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
        ShowContainerError(messages, kMsgContainerHeader);
        accepted = asking = false;
        break;
      case kContainerBadSize:
        ShowContainerError(messages, kMsgContainerSize);
        accepted = asking = false;
        break;
      case kContainerBadCheck:
        messages.SetWrongKeyVisible(true);
        accepted = false;
        break;
      default:  // a key too short: ask again
        accepted = false;
        break;
    }
  }
  return accepted;
}

bool CryptoLoadFromFile(const QString& path, std::string& key, ConfigDocument& doc,
                        MessageService& messages) {
  return CryptoLoadFromFile(path, key, doc.text, messages, doc.lastAppliedKey);
}

}  // namespace kestrin
