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
int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return kestrin::cli::Run(args, std::cout, std::cerr, std::cin);
}
#endif
