#pragma once
// The writer's line steps, shared by writer.cpp and its tests.
#include <string>

#include "model/device.h"

namespace kestrin {

// The unpadded line of one instance; empty for a row without a code.
std::string FormatCommandLine(const T_Command_DEVICE& model, int row, int index);
// In-place padding with spaces to kLineWidth characters.
void PadLine(std::string& line);

}  // namespace kestrin
