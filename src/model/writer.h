#pragma once
// Writer of a model into the lines of a configuration text.
#include <string>
#include <vector>

#include "model/device.h"

namespace kestrin {

constexpr size_t kLineWidth = 45;

// Appends the lines (without line ends); the list is not cleared first.
void WriteConfigText(const T_Command_DEVICE& model, std::vector<std::string>& lines);

// The whole text: every line followed by CR LF.
std::string WriteConfigTextCrLf(const T_Command_DEVICE& model);

}  // namespace kestrin
