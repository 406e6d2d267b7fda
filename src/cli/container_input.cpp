#include "cli/container_input.h"

#include <ostream>

namespace kestrin::cli {

int LoadContainerText(Context& ctx, const std::string& path, const std::string& key, std::string& text) {
  // Containers are not supported yet.
  (void)path;
  (void)key;
  text.clear();
  ctx.err << "kestrin-cfg: контейнеры пока не поддерживаются\n";
  return kExitBadInput;
}

}  // namespace kestrin::cli
