#pragma once
// Runs kestrin-cfg in-process for the command-line tests (header-only: only
// the cli test executable links the tool's library).
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace kestrin::test {

struct CliOutcome {
  int code;
  std::string out;
  std::string err;
};

inline CliOutcome RunCli(std::vector<std::string> args, const std::string& input = "") {
  std::ostringstream out, err;
  std::istringstream in(input);
  int code = cli::Run(args, out, err, in);
  return {code, out.str(), err.str()};
}

}  // namespace kestrin::test
