#pragma once
// The one way a configuration file is read into a model: a plain text file,
// or a container deciphered with a key the caller's prompt finds; then the
// reader over the text (defaults first) and the key completion. The window,
// its comparison and the command line each hand in their own prompt.
#include <functional>
#include <string>

#include "model/command.h"
#include "model/device.h"
#include "model/lexer.h"
#include "model/text_buffer.h"

namespace kestrin {

// The text and reader state a load works in (the document has its own).
struct ConfigReading {
  TextBuffer text;
  TLexPipe pipe;
  T_Command scratch;
};

enum class LoadStatus { Loaded, CannotOpen, NoContainerText };

// Deciphers the container at path into text; key: on entry a key to try
// first (may be empty), on a true return the key that opened it. False
// when no key opened it (given up on, broken container: the prompt has told).
using ContainerPrompt = std::function<bool(const std::string& path, std::string& key, TextBuffer& text)>;

// path: UTF-8. A container (by its name) goes through openContainer, whose
// key then completes the model's empty key fields; any other file is read
// whole (folders, devices and oversized files are CannotOpen, and nothing is
// changed). key: as for ContainerPrompt; cleared for a plain file.
LoadStatus LoadConfigFile(const std::string& path, const ContainerPrompt& openContainer,
                          std::string& key, TextBuffer& text, TLexPipe& pipe, T_Command& scratch,
                          T_Command_DEVICE& model);
inline LoadStatus LoadConfigFile(const std::string& path, const ContainerPrompt& openContainer,
                                 std::string& key, ConfigReading& reading, T_Command_DEVICE& model) {
  return LoadConfigFile(path, openContainer, key, reading.text, reading.pipe, reading.scratch, model);
}

}  // namespace kestrin
