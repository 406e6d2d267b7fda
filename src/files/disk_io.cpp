#include "files/disk_io.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <vector>

#include "files/paths.h"
#include "files/wide_text.h"
#include "files/windows_api.h"

#ifdef _WIN32
#include <shlobj.h>
#endif

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace kestrin {

namespace fs = std::filesystem;

namespace {

// What a read of the path's entry itself can already tell.
ReadStatus Precheck(const fs::path& p) {
  std::error_code ec;
  const auto st = fs::status(p, ec);
  if (ec || !fs::exists(st)) return ReadStatus::NotFound;
  if (!fs::is_regular_file(st)) return ReadStatus::NotAFile;
  return ReadStatus::Ok;
}

#ifdef _WIN32

// The sector size of the volume holding p; reads without buffering must be
// whole sectors into a buffer aligned to one.
DWORD SectorSizeOf(const fs::path& p) {
  wchar_t volume[MAX_PATH + 1] = {};
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
  if (GetVolumePathNameW(p.c_str(), volume, MAX_PATH) &&
      GetDiskFreeSpaceW(volume, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters) &&
      bytesPerSector >= 512 && (bytesPerSector & (bytesPerSector - 1)) == 0) {
    return bytesPerSector < 4096 ? 4096 : bytesPerSector;
  }
  return 4096;
}

ReadStatus ReadUncached(const fs::path& p, std::string& out) {
  HANDLE h = CreateFileW(p.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_NO_BUFFERING | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (h == INVALID_HANDLE_VALUE) return ReadStatus::CannotRead;
  const size_t sector = SectorSizeOf(p);
  const size_t chunk = sector * ((64 * 1024 + sector - 1) / sector);
  std::vector<char> raw(chunk + sector);
  const uintptr_t at = reinterpret_cast<uintptr_t>(raw.data());
  char* buffer = raw.data() + (sector - at % sector) % sector;
  ReadStatus status = ReadStatus::Ok;
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(h, buffer, static_cast<DWORD>(chunk), &n, nullptr)) {
      status = ReadStatus::CannotRead;
      break;
    }
    if (n == 0) break;
    if (out.size() + n > kMaxConfigFileSize) {
      status = ReadStatus::TooLarge;
      break;
    }
    out.append(buffer, n);
  }
  CloseHandle(h);
  return status;
}

#else

ReadStatus ReadUncached(const fs::path& p, std::string& out) {
  const int fd = ::open(p.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return ReadStatus::CannotRead;
  // Only clean pages can be dropped: sync first.
  ReadStatus status = ::fsync(fd) == 0 ? ReadStatus::Ok : ReadStatus::CannotRead;
  if (status == ReadStatus::Ok) (void)::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
  char buffer[64 * 1024];
  while (status == ReadStatus::Ok) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) status = ReadStatus::CannotRead;
    if (n <= 0) break;
    if (out.size() + static_cast<size_t>(n) > kMaxConfigFileSize) {
      status = ReadStatus::TooLarge;
      break;
    }
    out.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return status;
}

#endif

}  // namespace

ReadStatus DiskReader::Read(const std::string& path, std::string& out) const {
  out.clear();
  const fs::path p = PathFromUtf8(path);
  if (const ReadStatus pre = Precheck(p); pre != ReadStatus::Ok) return pre;
  const ReadStatus status = ReadUncached(p, out);
  if (status != ReadStatus::Ok) out.clear();
  return status;
}

std::string DiskDisplayName(const std::string& rootUtf8) {
  std::error_code ec;
  fs::path p = fs::absolute(PathFromUtf8(rootUtf8), ec).lexically_normal();
  if (ec) p = PathFromUtf8(rootUtf8).lexically_normal();
#ifdef _WIN32
  // A drive's root: its label, else its letter; any other folder: its name.
  if (p.relative_path().empty()) {
    const fs::path volume = p.root_path();
    wchar_t label[MAX_PATH + 1] = {};
    if (GetVolumeInformationW(volume.c_str(), label, MAX_PATH, nullptr, nullptr, nullptr,
                              nullptr, 0) &&
        label[0] != L'\0') {
      return Utf8FromWide(label);
    }
    const std::wstring drive = p.root_name().wstring();  // "E:"
    if (drive.size() == 2 && drive[1] == L':') return Utf8FromWide(drive.substr(0, 1));
  }
#endif
  if (!p.has_filename()) p = p.parent_path();
  return Utf8FromPath(p.filename());
}

LocalTime LocalTimeNow() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &t);
#else
  localtime_r(&t, &tm);
#endif
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string DocumentsFolderWithoutQt() {
#ifdef _WIN32
  // The folder Explorer shows as Documents, redirection included.
  wchar_t folder[MAX_PATH] = {};
  if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder)))
    return Utf8FromWide(folder);
  const wchar_t* home = _wgetenv(L"USERPROFILE");
  if (home == nullptr || *home == L'\0') return {};
  return Utf8FromPath(fs::path(home) / L"Documents");
#else
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') return {};
  return Utf8FromPath(PathFromUtf8(home) / "Documents");
#endif
}

}  // namespace kestrin
