#pragma once
#include "cli/cli.h"

namespace kestrin::cli {

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
#ifdef KESTRIN_HAVE_QT
extern const Command kReportCommand;
#endif

}  // namespace kestrin::cli
