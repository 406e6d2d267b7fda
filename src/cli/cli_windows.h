#pragma once
// The Windows entry of kestrin-cfg. Arguments arrive as UTF-16 and are turned
// into UTF-8; messages go to a console as UTF-16 and to files or pipes as the
// same UTF-8 bytes as on Linux. Nothing passes through the ANSI code page.
#ifdef _WIN32
#include <string>
#include <string_view>
#include <vector>

namespace kestrin::cli {

// The arguments of a UTF-16 command line as UTF-8, without the program name.
std::vector<std::string> ArgsFromCommandLine(const wchar_t* commandLine);

// Runs the tool over this process's command line and standard handles.
int RunWindowsProcess();

}  // namespace kestrin::cli
#endif
