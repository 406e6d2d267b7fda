#include "files/file_bytes.h"

#include <filesystem>
#include <fstream>
#include <random>

#include "files/paths.h"

namespace kestrin {

namespace fs = std::filesystem;

ReadStatus ReadFileBytes(const std::string& path, std::string& out, uint64_t maxBytes,
                         bool truncate) {
  out.clear();
  std::error_code ec;
  fs::path p = PathFromUtf8(path);
  auto st = fs::status(p, ec);
  if (ec || !fs::exists(st)) return ReadStatus::NotFound;
  if (!fs::is_regular_file(st)) return ReadStatus::NotAFile;
  uint64_t size = fs::file_size(p, ec);
  if (ec) return ReadStatus::CannotRead;
  if (size > maxBytes && !truncate) return ReadStatus::TooLarge;
  std::ifstream in(p, std::ios::binary);
  if (!in) return ReadStatus::CannotRead;
  uint64_t want = size < maxBytes ? size : maxBytes;
  out.resize(static_cast<size_t>(want));
  in.read(out.data(), static_cast<std::streamsize>(want));
  out.resize(static_cast<size_t>(in.gcount()));
  if (in.bad()) {
    out.clear();
    return ReadStatus::CannotRead;
  }
  return ReadStatus::Ok;
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes, std::string* error) {
  fs::path target = PathFromUtf8(path);
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::random_device rd;
  fs::path temp = folder / (target.filename().u8string() + u8".tmp" +
                            std::u8string(reinterpret_cast<const char8_t*>(
                                std::to_string(rd() % 1000000).c_str())));
  {
    std::ofstream outFile(temp, std::ios::binary | std::ios::trunc);
    if (!outFile) {
      if (error) *error = "cannot create";
      return false;
    }
    outFile.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    outFile.flush();
    if (!outFile) {
      outFile.close();
      std::error_code ec;
      fs::remove(temp, ec);
      if (error) *error = "cannot write";
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  if (ec) {
    fs::remove(temp, ec);
    if (error) *error = "cannot replace";
    return false;
  }
  return true;
}

}  // namespace kestrin
