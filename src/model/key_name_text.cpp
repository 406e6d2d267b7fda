#include "model/key_name_text.h"

#include "model/command.h"
#include "model/command_table.h"
#include "model/device.h"
#include "model/lexer.h"
#include "model/reader.h"
#include "model/writer_internal.h"

namespace kestrin {

bool KeyNameRoundTrips(const std::string& name, int mode) {
  for (char c : name) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) return false;
  }
  // One key line through the writer and the reader, as a save and a load do.
  T_Command_DEVICE model;
  model.SetKeyMode(1, mode);
  model.SetKeyName(1, name);
  std::string line = FormatCommandLine(model, kRowKeyUser, 0);
  PadLine(line);
  line += "\r\n";
  T_Command_DEVICE back;
  T_Command scratch;
  TLexPipe pipe;
  pipe.SetText(std::move(line));
  ReadConfigText(scratch, pipe, back);
  return back.GetKeyName(1) == name && back.GetKeyMode(1) == mode;
}

}  // namespace kestrin
