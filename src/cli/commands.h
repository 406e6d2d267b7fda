#pragma once
#include "cli/cli.h"

namespace kestrin {
class T_Command_DEVICE;
}

namespace kestrin::cli {

// The options of a command that takes exactly one argument (a file or a
// folder); any other count is reported as "kestrin-cfg COMMAND: " and
// countError, and gives nullopt, as does a bad option.
std::optional<Options> ParseOneArgument(Context& ctx, const char* command, const char* countError,
                                        const std::vector<std::string>& valueOptions,
                                        const std::vector<std::string>& flagOptions);

// The configuration file of that argument (a container with its --key) read
// into model; on failure the message is printed and the exit status returned.
int LoadInputModel(Context& ctx, const Options& opts, T_Command_DEVICE& model);

// One declaration per command; each lives in its own cmd_*.cpp file.
extern const Command kDefaultsCommand;
extern const Command kNormalizeCommand;
extern const Command kDecryptCommand;
extern const Command kInfoCommand;
extern const Command kCheckCommand;
extern const Command kListCommand;
extern const Command kDiffCommand;
extern const Command kKeysExportCommand;
extern const Command kKeysImportCommand;
extern const Command kWritePanelCommand;
#ifdef KESTRIN_HAVE_QT
extern const Command kReportCommand;
#endif

}  // namespace kestrin::cli
