#include <cerrno>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// Data that never arrived is a failure even when only the close says so
// (a full disk or a network file). The descriptor is closed under stdio,
// which then has nothing left to flush.
bool CloseStandardOutput() {
  std::cout.flush();
  if (!std::cout || std::fflush(stdout) != 0) return false;
#ifdef _WIN32
  const int rc = _close(_fileno(stdout));
#else
  const int rc = ::close(STDOUT_FILENO);
#endif
  return rc == 0 || errno == EBADF;  // EBADF: started with standard output closed
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // Configuration bytes must pass unchanged; messages are UTF-8.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
#endif
  std::vector<std::string> args(argv + 1, argv + argc);
  const int rc = kestrin::cli::Run(args, std::cout, std::cerr, std::cin);
  // A bad stream was already reported by Run.
  if (std::cout && !CloseStandardOutput()) {
    kestrin::cli::ReportOutputFailure(std::cerr);
    return kestrin::cli::kExitBadInput;
  }
  return rc;
}
