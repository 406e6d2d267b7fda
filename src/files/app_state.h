#pragma once
// The program-wide objects every subsystem reaches: the edited model that the
// tabs show, the scratch model the file list parses into, the text buffer
// between a file and the reader, and the last key applied in the key dialog.
#include <string>

#include "model/command.h"
#include "model/device.h"
#include "model/lexer.h"
#include "model/text_buffer.h"

namespace kestrin {

struct AppState {
  T_Command_DEVICE edited;
  T_Command_DEVICE scratch;
  TextBuffer text;
  TLexPipe lexPipe;
  T_Command scratchElement;
  std::string lastAppliedKey;  // Windows-1251, as typed
  bool debug = false;          // "-debug" on the command line
};

// The one instance of the running program (tests may reset it).
AppState& App();

}  // namespace kestrin
