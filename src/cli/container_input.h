#pragma once
#include <string>

#include "cli/cli.h"

namespace kestrin::cli {

// Deciphers a container with the key as typed into text (lines each followed
// by CR LF). Prints the message pair on failure; returns the exit status.
int LoadContainerText(Context& ctx, const std::string& path, const std::string& key, std::string& text);

// Whether a command's input is a container: the extension ".cry" in any
// letter case, or, for any other name, the container header at its start.
// Every command that reads a configuration asks this one function.
bool IsContainerInput(const std::string& path);

// A container given without --key: the message, and the exit status.
int RefuseContainerWithoutKey(Context& ctx, const std::string& path);

}  // namespace kestrin::cli
