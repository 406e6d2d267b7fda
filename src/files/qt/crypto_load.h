#pragma once
// Opening an enciphered container with the key dialog: the key is asked
// again after a wrong key until the container opens or the user gives up.
#include <QString>
#include <string>

namespace kestrin {

class ConfigDocument;
class MessageService;
class TextBuffer;

// key (Windows-1251, as typed): on entry empty or a key to try first; on a
// true return the key that opened the container. The text goes into buffer.
// Every "Применить" stores the edit text into lastAppliedKey.
// The key dialog and the error dialog are those of messages.
bool CryptoLoadFromFile(const QString& path, std::string& key, TextBuffer& buffer,
                        MessageService& messages, std::string& lastAppliedKey);

// Same over the document's text and last key.
bool CryptoLoadFromFile(const QString& path, std::string& key, ConfigDocument& doc,
                        MessageService& messages);

}  // namespace kestrin
