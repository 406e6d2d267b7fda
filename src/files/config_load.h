#pragma once
// The one way a configuration file is read into a model: a plain text file,
// or a container deciphered with a key the caller's prompt finds; then the
// reader over the text (defaults first) and the key completion. The window,
// its comparison, the file list and the command line each hand in their own
// prompt.
#include <functional>
#include <string>

#include "files/file_bytes.h"
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

// How callers differ: the command line also knows a container by its header
// and completes no keys unless asked; a failure's reason goes to readFailure.
struct ConfigLoadOptions {
  bool containerByHeader = false;
  bool completeKeys = true;
  ReadStatus* readFailure = nullptr;  // the reason of a CannotOpen
};

// path: UTF-8. A container (by its name, or its header when asked) goes
// through openContainer, whose key then completes the model's empty key
// fields; any other file is read whole. A file that cannot be read at all
// (missing, a folder or device, an oversized plain file) is CannotOpen
// before any key is asked, and nothing is changed. key: as for
// ContainerPrompt; cleared for a plain file.
LoadStatus LoadConfigFile(const std::string& path, const ContainerPrompt& openContainer,
                          std::string& key, TextBuffer& text, TLexPipe& pipe, T_Command& scratch,
                          T_Command_DEVICE& model, const ConfigLoadOptions& settings = {});
inline LoadStatus LoadConfigFile(const std::string& path, const ContainerPrompt& openContainer,
                                 std::string& key, ConfigReading& reading, T_Command_DEVICE& model,
                                 const ConfigLoadOptions& settings = {}) {
  return LoadConfigFile(path, openContainer, key, reading.text, reading.pipe, reading.scratch, model,
                        settings);
}

}  // namespace kestrin
