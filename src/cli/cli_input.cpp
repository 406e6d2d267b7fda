#include <ostream>

#include "cli/commands.h"
#include "model/reader.h"

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
  std::string text;
  if (int rc = LoadInputText(ctx, opts.positional[0], opts, text); rc != kExitOk) return rc;
  LoadConfigText(std::move(text), model);
  return kExitOk;
}

}  // namespace kestrin::cli
