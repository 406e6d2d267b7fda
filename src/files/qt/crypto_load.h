#pragma once
// Opening an enciphered container with the key dialog: the key is asked
// again after a wrong key until the container opens or the user gives up.
#include <QString>
#include <string>

namespace kestrin {

class TFormDialogSetKeyConfig;
class TFormErrorMessage;
class TextBuffer;

// key (Windows-1251, as typed): on entry empty or a key to try first; on a
// true return the key that opened the container. The text goes into buffer.
// Every "Применить" stores the edit text into App().lastAppliedKey.
bool CryptoLoadFromFile(const QString& path, std::string& key, TextBuffer& buffer,
                        TFormDialogSetKeyConfig& keyDialog, TFormErrorMessage& errorDialog);

// Same over App().text and the program-wide dialogs.
bool CryptoLoadFromFile(const QString& path, std::string& key);

}  // namespace kestrin
