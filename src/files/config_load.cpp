#include "files/config_load.h"

#include "files/file_bytes.h"
#include "files/paths.h"
#include "files/workflow.h"

namespace kestrin {

LoadStatus LoadConfigFile(const std::string& path, const ContainerPrompt& openContainer,
                          std::string& key, TextBuffer& text, TLexPipe& pipe, T_Command& scratch,
                          T_Command_DEVICE& model) {
  if (IsContainerPath(path)) {
    if (!openContainer || !openContainer(path, key, text)) return LoadStatus::NoContainerText;
  } else {
    std::string bytes;
    if (ReadFileBytes(path, bytes) != ReadStatus::Ok) return LoadStatus::CannotOpen;
    text.SetBytes(bytes);
    key.clear();
  }
  LoadModelFromText(model, text, pipe, scratch, key);
  return LoadStatus::Loaded;
}

}  // namespace kestrin
