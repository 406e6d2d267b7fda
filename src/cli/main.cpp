#include <cerrno>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_windows.h"

#ifdef _WIN32
// The UTF-16 command line is read inside: argv would have passed through the
// ANSI code page and lost every letter outside it.
int main() { return kestrin::cli::RunWindowsProcess(); }
#else
#include <unistd.h>

namespace {

// Data that never arrived is a failure even when only the close says so
// (a full disk or a network file). The descriptor is closed under stdio,
// which then has nothing left to flush.
bool CloseStandardOutput() {
  std::cout.flush();
  if (!std::cout || std::fflush(stdout) != 0) return false;
  const int rc = ::close(STDOUT_FILENO);
  return rc == 0 || errno == EBADF;  // EBADF: started with standard output closed
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const int rc = kestrin::cli::Run(args, std::cout, std::cerr, std::cin);
  // A bad stream was already reported by Run.
  if (std::cout && !CloseStandardOutput()) {
    kestrin::cli::ReportOutputFailure(std::cerr);
    return kestrin::cli::kExitBadInput;
  }
  return rc;
}
#endif
