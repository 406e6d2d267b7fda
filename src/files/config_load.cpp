#include "files/config_load.h"

#include "files/container.h"
#include "files/paths.h"
#include "files/workflow.h"
#include "model/reader.h"

namespace kestrin {

namespace {

LoadStatus Refused(const ConfigLoadOptions& settings, ReadStatus why) {
  if (settings.readFailure) *settings.readFailure = why;
  return LoadStatus::CannotOpen;
}

}  // namespace

LoadStatus LoadConfigFile(const std::string& path, const ContainerPrompt& openContainer,
                          std::string& key, TextBuffer& text, TLexPipe& pipe, T_Command& scratch,
                          T_Command_DEVICE& model, const ConfigLoadOptions& settings) {
  const bool container =
      IsContainerPath(path) || (settings.containerByHeader && TestContainerHeader(path).matches);
  // Readable at all first: no key is asked of a file that cannot be read.
  if (const ReadStatus st = CheckConfigFileReadable(path, container); st != ReadStatus::Ok)
    return Refused(settings, st);
  if (container) {
    if (!openContainer || !openContainer(path, key, text)) return LoadStatus::NoContainerText;
  } else {
    std::string bytes;
    if (const ReadStatus st = ReadFileBytes(path, bytes); st != ReadStatus::Ok) return Refused(settings, st);
    text.SetBytes(bytes);
    key.clear();
  }
  // The reader works in place; the text can be tens of megabytes.
  model.SetDefaults();
  pipe.SetTextView(text.Text());
  ReadConfigText(scratch, pipe, model);
  pipe.SetText(std::string());
  if (settings.completeKeys) CompleteKeys(model, key);
  return LoadStatus::Loaded;
}

}  // namespace kestrin
