#pragma once
// Opening an enciphered container with the key dialog: the key is asked
// again after a wrong key until the container opens or the user gives up.
#include <QString>
#include <string>

namespace kestrin {

class TFormDialogSetKeyConfig;
class TFormErrorMessage;
class ConfigDocument;
class TextBuffer;

// key (Windows-1251, as typed): on entry empty or a key to try first; on a
// true return the key that opened the container. The text goes into buffer.
// Every "Применить" stores the edit text into lastAppliedKey.
bool CryptoLoadFromFile(const QString& path, std::string& key, TextBuffer& buffer,
                        TFormDialogSetKeyConfig& keyDialog, TFormErrorMessage& errorDialog,
                        std::string& lastAppliedKey);

// Same over the document's text and last key, with the program's dialogs.
bool CryptoLoadFromFile(const QString& path, std::string& key, ConfigDocument& doc);

}  // namespace kestrin
