#include "files/paths.h"

#include "model/codec.h"

namespace kestrin {

std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string u = path.u8string();
  return std::string(u.begin(), u.end());
}

bool IsContainerPath(const std::string& pathUtf8) {
  return LowerLatin(Utf8FromPath(PathFromUtf8(pathUtf8).extension())) == ".cry";
}

}  // namespace kestrin
