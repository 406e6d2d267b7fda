#pragma once
#include <string>

#include "cli/cli.h"

namespace kestrin::cli {

// Deciphers a container with the key as typed into text (lines each followed
// by CR LF). Prints the message pair on failure; returns the exit status.
int LoadContainerText(Context& ctx, const std::string& path, const std::string& key, std::string& text);

}  // namespace kestrin::cli
