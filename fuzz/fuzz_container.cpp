// Container reader over arbitrary bytes: header parsing, display forms and the
// full decipher path with a fixed key.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/container.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string key = kestrin::PrepareContainerKey("7");
  std::string_view bytes(reinterpret_cast<const char*>(data), size);

  kestrin::ContainerHeader h = kestrin::ParseContainerHeader(bytes);
  if (h.bodyOffset > bytes.size() || h.alias.size() > kestrin::kContainerAliasSize ||
      h.identifier.size() > kestrin::kContainerIdSize) {
    __builtin_trap();
  }
  if (kestrin::FormatContainerId(h.identifier).size() != 14) __builtin_trap();
  kestrin::ContainerAliasText(h.alias);

  std::string text;
  int code = kestrin::DecipherContainer(bytes, key, text);
  if (code < 0 || code > 4 || (code != 0 && !text.empty())) __builtin_trap();
  if (code == 0 && text.size() > size) __builtin_trap();
  // The key as typed goes through the same preparation.
  kestrin::PrepareContainerKey(bytes.substr(0, 64));
  return 0;
}
