#include <ostream>

#include "cli/commands.h"
#include "cli/container_input.h"
#include "files/workflow.h"
#include "model/codec.h"
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
  const std::string& path = opts.positional[0];
  // --as-saved needs the key that opened a container: resolved once here, as
  // "--key -" reads standard input.
  Options resolved = opts;
  std::optional<std::string> key;
  if (opts.Has("--as-saved") && IsContainerInput(path)) {
    key = KeyOption(ctx, opts);
    if (key) resolved.values["--key"] = *key;
  }
  std::string text;
  if (int rc = LoadInputText(ctx, path, resolved, text); rc != kExitOk) return rc;
  LoadConfigText(std::move(text), model);
  if (opts.Has("--as-saved")) ApplyAsSaved(model, key ? Utf8ToCp1251(*key) : std::string());
  return kExitOk;
}



}  // namespace kestrin::cli
