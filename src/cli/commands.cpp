#include "cli/commands.h"

namespace kestrin::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> all = {
      kDefaultsCommand,
      kNormalizeCommand,
  };
  return all;
}

}  // namespace kestrin::cli
