#include <ostream>

#include "cli/commands.h"
#include "cli/container_input.h"
#include "files/workflow.h"

namespace kestrin::cli {

std::optional<Options> ParseOneArgument(Context& ctx, const char* command, const char* countError,
                                        const std::vector<std::string>& valueOptions,
                                        const std::vector<std::string>& flagOptions) {
  auto opts = ParseOptions(ctx, valueOptions, flagOptions);
  if (opts && opts->positional.size() != 1) {
    ctx.err << "kestrin-cfg " << command << ": " << countError << "\n";
    return std::nullopt;
  }
  return opts;
}

int LoadInputModel(Context& ctx, const Options& opts, T_Command_DEVICE& model) {
  const std::string& path = opts.positional[0];
  std::string containerKey;
  if (int rc = LoadModelFile(ctx, path, KeyOptionStep(ctx, opts, path), false, model, containerKey); rc != kExitOk) return rc;
  if (opts.Has("--as-saved")) ApplyAsSaved(model, containerKey);
  return kExitOk;
}

}  // namespace kestrin::cli
