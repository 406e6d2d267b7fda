#pragma once
#include <functional>
#include <optional>
#include <string>

#include "cli/cli.h"

namespace kestrin {
class T_Command_DEVICE;
}

namespace kestrin::cli {

// Deciphers a container with the key as typed into text (lines each followed
// by CR LF). Prints the message pair on failure; returns the exit status.
int LoadContainerText(Context& ctx, const std::string& path, const std::string& key, std::string& text);

// What a command does with a container before it is deciphered: sets the
// key as typed (UTF-8), or prints its refusal and returns the exit status.
using ContainerKeyStep = std::function<int(std::optional<std::string>& key)>;

// The step of a command with --key (and perhaps -o; opts must outlive the
// step): a container is not replaced through -o, and not read without a key.
ContainerKeyStep KeyOptionStep(Context& ctx, const Options& opts, const std::string& path);

// Reads path into model through the one loader (a container known by name
// or header): the file must be readable at all before keyStep is asked. On
// failure the message pair is printed and the exit status returned.
// containerKey: the key that opened a container (Windows-1251), empty for a
// plain file; with completeKeys it completes the model's key fields.
int LoadModelFile(Context& ctx, const std::string& path, const ContainerKeyStep& keyStep,
                  bool completeKeys, T_Command_DEVICE& model, std::string& containerKey);

// Whether a command's input is a container: the extension ".cry" in any
// letter case, or, for any other name, the container header at its start.
// Every command that reads a configuration asks this one function.
bool IsContainerInput(const std::string& path);

// A container given without --key: the message, and the exit status.
int RefuseContainerWithoutKey(Context& ctx, const std::string& path);

}  // namespace kestrin::cli
