#include "cli/container_input.h"

#include <ostream>

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

int LoadContainerText(Context& ctx, const std::string& path, const std::string& key, std::string& text) {
  text.clear();
  if (int rc = RefuseUnreadable(ctx, path, true); rc != kExitOk) return rc;
  std::string bytes;
  if (ReadFileBytes(path, bytes, kContainerMaxBytes, true) != ReadStatus::Ok) {
    PrintPair(ctx, kMsgCannotOpen);
    return kExitBadInput;
  }
  bool lossless = true;
  const std::string prepared = PrepareContainerKey(Utf8ToCp1251(key, &lossless));
  std::string plain;
  switch (DecipherContainer(bytes, prepared, plain)) {
    case kContainerOk: {
      TextBuffer buffer;
      buffer.SetBytes(plain);
      text = buffer.TakeText();
      return kExitOk;
    }
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

}  // namespace kestrin::cli
