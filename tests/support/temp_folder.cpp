#include "support/temp_folder.h"

#include <fstream>
#include <random>

namespace kestrin::test {

namespace fs = std::filesystem;

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

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
  const fs::path p = path_ / name;
  std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return p.string();
}

}  // namespace kestrin::test
