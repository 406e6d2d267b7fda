#pragma once
// Reader of the configuration text into a model.
#include <string>
#include <string_view>

#include "model/command.h"
#include "model/device.h"
#include "model/lexer.h"

namespace kestrin {

// Reads the whole text set into the lexeme stream. The caller normally resets
// the model to its defaults first; the reader itself only clears the version.
void ReadConfigText(T_Command& scratch, TLexPipe& pipe, T_Command_DEVICE& model);

// Convenience: defaults, then the reader over text, with private scratch objects.
void LoadConfigText(const std::string& text, T_Command_DEVICE& model);

// The row whose code a word starts with (Latin letters in any case, then
// digits or nothing), or 0.
int IdentifyCommand(std::string_view word);
// The subscript a word gives for a row after its code: the row's only one for
// a single row, else the digits after the code within the row's range; -1
// when there is none.
int32_t ReadSubscript(std::string_view word, int row);

}  // namespace kestrin
