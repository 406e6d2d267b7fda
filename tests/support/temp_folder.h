#pragma once
// A fresh folder under the system's temporary folder, removed with everything
// in it (write bits given back first) when the test is done.
#include <filesystem>
#include <string>

namespace kestrin::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Root() const { return path_; }
  // UTF-8 paths.
  std::string Str() const;
  std::string Path(const std::string& name) const;
  std::string operator/(const std::string& name) const { return Path(name); }
  // Writes bytes to name inside the folder; returns the file's path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  std::string Put(const std::string& name, const std::string& bytes) const { return Write(name, bytes); }

 private:
  std::filesystem::path path_;
};

}  // namespace kestrin::test
