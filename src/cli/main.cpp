#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // Configuration bytes must pass unchanged; messages are UTF-8.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
#endif
  std::vector<std::string> args(argv + 1, argv + argc);
  return kestrin::cli::Run(args, std::cout, std::cerr, std::cin);
}
