#include "support/temp_folder.h"

#include <fstream>
#include <random>

namespace kestrin::test {

namespace fs = std::filesystem;

namespace {
// Names and paths are UTF-8 on every platform (on Windows a narrow path
// would pass through the ANSI code page).
fs::path FromUtf8(const std::string& s) { return fs::path(std::u8string(s.begin(), s.end())); }
std::string ToUtf8(const fs::path& p) {
  const std::u8string u = p.u8string();
  return std::string(u.begin(), u.end());
}
}  // namespace

TempFolder::TempFolder() {
  std::random_device rd;
  path_ = fs::temp_directory_path() / ("kestrin-test-" + std::to_string(rd()) + std::to_string(rd()));
  fs::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

std::string TempFolder::Str() const { return ToUtf8(path_); }

std::string TempFolder::Path(const std::string& name) const { return ToUtf8(path_ / FromUtf8(name)); }

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
  const fs::path p = path_ / FromUtf8(name);
  std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return ToUtf8(p);
}

}  // namespace kestrin::test
