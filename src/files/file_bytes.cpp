#include "files/file_bytes.h"

#include <filesystem>
#include <fstream>

#include "files/atomic_file.h"

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

ReadStatus CheckConfigFileReadable(const std::string& path, bool container) {
  std::error_code ec;
  const fs::path p = PathFromUtf8(path);
  const auto st = fs::status(p, ec);
  if (ec || !fs::exists(st)) return ReadStatus::NotFound;
  if (!fs::is_regular_file(st)) return ReadStatus::NotAFile;
  const uint64_t size = fs::file_size(p, ec);
  if (ec) return ReadStatus::CannotRead;
  if (!container && size > kMaxConfigFileSize) return ReadStatus::TooLarge;
  // No read permission shows only when opening.
  std::ifstream in(p, std::ios::binary);
  return in ? ReadStatus::Ok : ReadStatus::CannotRead;
}

std::string ReadFailureReason(ReadStatus status) {
  switch (status) {
    case ReadStatus::TooLarge: return "(файл больше 16 МБ)";
    case ReadStatus::NotAFile: return "(это не файл)";
    case ReadStatus::CannotRead: return "(файл не читается: нет прав на чтение или ошибка чтения)";
    default: return {};
  }
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes, std::string* error) {
  const WriteResult r = ReplaceFile(path, bytes);
  if (r != WriteResult::Ok && error) {
    *error = r == WriteResult::CannotCreate ? "cannot create"
             : r == WriteResult::WriteProtected ? "write-protected"
                                                : "cannot replace";
  }
  return r == WriteResult::Ok;
}

}  // namespace kestrin
