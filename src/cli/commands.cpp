#include "cli/commands.h"

namespace kestrin::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> all = {
      kDefaultsCommand,
      kNormalizeCommand,
      kDecryptCommand,
      kInfoCommand,
      kCheckCommand,
      kListCommand,
      kDiffCommand,
      kKeysExportCommand,
      kKeysImportCommand,
      kWritePanelCommand,
#ifdef KESTRIN_HAVE_QT
      kReportCommand,
#endif
  };
  return all;
}

}  // namespace kestrin::cli
