#include "cli/container_input.h"

#include <ostream>

#include "files/config_load.h"
#include "files/container.h"
#include "files/paths.h"
#include "files/file_bytes.h"
#include "model/codec.h"
#include "model/messages.h"
#include "model/text_buffer.h"

namespace kestrin::cli {

bool IsContainerInput(const std::string& path) {
  return IsContainerPath(path) || TestContainerHeader(path).matches;
}

int RefuseContainerWithoutKey(Context& ctx, const std::string& path) {
  ctx.err << path << ": для зашифрованного файла нужен ключ (--key)\n";
  return kExitBadInput;
}

int DecipherContainerText(Context& ctx, const std::string& path, const std::string& key, TextBuffer& text) {
  std::string bytes;
  if (ReadFileBytes(path, bytes, kContainerMaxBytes, true) != ReadStatus::Ok) {
    PrintPair(ctx, kMsgCannotOpen);
    return kExitBadInput;
  }
  bool lossless = true;
  const std::string prepared = PrepareContainerKey(Utf8ToCp1251(key, &lossless));
  std::string plain;
  switch (DecipherContainer(bytes, prepared, plain)) {
    case kContainerOk:
      text.SetBytes(plain);
      return kExitOk;
    case kContainerBadHeader:
      PrintPair(ctx, kMsgContainerHeader);
      return kExitBadInput;
    case kContainerBadSize:
      PrintPair(ctx, kMsgContainerSize);
      return kExitBadInput;
    default:
      ctx.err << kMsgWrongKey << "\n";
      if (!lossless) ctx.err << "(в ключе есть знаки, которых нет в кодировке Windows-1251)\n";
      return kExitWrongKey;
  }
}

int LoadContainerText(Context& ctx, const std::string& path, const std::string& key, std::string& text) {
  text.clear();
  if (int rc = RefuseUnreadable(ctx, path, true); rc != kExitOk) return rc;
  TextBuffer buffer;
  if (int rc = DecipherContainerText(ctx, path, key, buffer); rc != kExitOk) return rc;
  text = buffer.TakeText();
  return kExitOk;
}

ContainerKeyStep KeyOptionStep(Context& ctx, const Options& opts, const std::string& path) {
  return [&ctx, &opts, path](std::optional<std::string>& key) {
    if (int rc = RefuseOutputOverContainer(ctx, opts, path); rc != kExitOk) return rc;
    key = KeyOption(ctx, opts);
    return key ? kExitOk : RefuseContainerWithoutKey(ctx, path);
  };
}

int LoadModelFile(Context& ctx, const std::string& path, const ContainerKeyStep& keyStep,
                  bool completeKeys, T_Command_DEVICE& model, std::string& containerKey) {
  int rc = kExitOk;
  const ContainerPrompt prompt = [&](const std::string& file, std::string& key, TextBuffer& text) {
    std::optional<std::string> typed;
    rc = keyStep(typed);
    if (rc == kExitOk) rc = DecipherContainerText(ctx, file, *typed, text);
    // The completion takes the key as the window would hold it.
    if (rc == kExitOk) key = Utf8ToCp1251(*typed);
    return rc == kExitOk;
  };
  ConfigReading reading;
  ReadStatus why = ReadStatus::Ok;
  ConfigLoadOptions settings;
  settings.containerByHeader = true;
  settings.completeKeys = completeKeys;
  settings.readFailure = &why;
  containerKey.clear();
  switch (LoadConfigFile(path, prompt, containerKey, reading, model, settings)) {
    case LoadStatus::Loaded:
      return kExitOk;
    case LoadStatus::CannotOpen:
      PrintPair(ctx, kMsgCannotOpen);
      if (const std::string reason = ReadFailureReason(why); !reason.empty()) ctx.err << reason << "\n";
      return kExitBadInput;
    case LoadStatus::NoContainerText:
      break;
  }
  return rc;
}

}  // namespace kestrin::cli
