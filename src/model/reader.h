#pragma once
// Reader of the configuration text into a model.
#include <string>

#include "model/command.h"
#include "model/device.h"
#include "model/lexer.h"

namespace kestrin {

// Reads the whole text set into the lexeme stream. The caller normally resets
// the model to its defaults first; the reader itself only clears the version.
void ReadConfigText(T_Command& scratch, TLexPipe& pipe, T_Command_DEVICE& model);

// Convenience: defaults, then the reader over text, with private scratch objects.
// The text is taken by value: a caller done with it moves it in.
void LoadConfigText(std::string text, T_Command_DEVICE& model);

}  // namespace kestrin
