#pragma once
#include "cli/cli.h"

namespace kestrin::cli {

// One declaration per command; each lives in its own cmd_*.cpp file.
extern const Command kDefaultsCommand;
extern const Command kNormalizeCommand;

}  // namespace kestrin::cli
