#pragma once
// Runs kestrin-cfg in-process for the command-line tests (header-only: only
// the cli test executable links the tool's library).
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "files/atomic_file.h"

#include <cstdlib>

#ifdef _WIN32
#include "files/wide_text.h"
#else
#include <sys/wait.h>
#endif

namespace kestrin::test {

struct CliOutcome {
  int code;
  std::string out;
  std::string err;
};

// Files given with -o go through writer.
inline CliOutcome RunCli(std::vector<std::string> args, const std::string& input = "",
                         const FileWriter& writer = FileWriter()) {
  std::ostringstream out, err;
  std::istringstream in(input);
  int code = cli::Run(args, out, err, in, writer);
  return {code, out.str(), err.str()};
}

// Exit status of a shell command line (UTF-8). On Windows the line goes
// through the wide-character call, so Cyrillic arguments arrive as typed.
inline int RunShell(const std::string& command) {
#ifdef _WIN32
  // cmd.exe drops the first and the last quote of the line: wrap it once more.
  return _wsystem(WideFromUtf8("\"" + command + "\"").c_str());
#else
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

// path with the platform's own delimiters (Windows: backslashes).
inline std::string NativePath(std::string path) {
#ifdef _WIN32
  for (char& c : path)
    if (c == '/') c = '\\';
#endif
  return path;
}

}  // namespace kestrin::test
