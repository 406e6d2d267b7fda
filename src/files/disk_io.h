#pragma once
// The platform half of writing to the panel's disk, Qt-free: reading a file
// back from the disk itself rather than from the system's file cache, the
// disk's name, and the local time. Paths are UTF-8.
//
// Linux: the file is synced (fsync), its cached pages are dropped
// (posix_fadvise POSIX_FADV_DONTNEED) and then it is read, so the bytes come
// from the device. The advice is honoured for clean pages not mapped by
// another process; what the disk's own controller caches is out of reach.
// Windows: the file is read with FILE_FLAG_NO_BUFFERING in whole sectors into
// a sector-aligned buffer, so the system cache never answers.
#include <string>

#include "files/file_bytes.h"

namespace kestrin {

// Reads whole files for the panel write; a seam so that tests can make a
// read fail or return other bytes.
class DiskReader {
 public:
  virtual ~DiskReader() = default;
  // Up to kMaxConfigFileSize bytes, past the cache where the platform allows.
  virtual ReadStatus Read(const std::string& path, std::string& out) const;
};

// The name a backup copy carries for the disk at root: the volume label, else
// the drive letter (Windows); the mount folder's name (elsewhere). May be empty.
std::string DiskDisplayName(const std::string& rootUtf8);

struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
LocalTime LocalTimeNow();

// The user's documents folder for a build without Qt: the shell's Documents
// folder (Windows), $HOME/Documents (elsewhere). Empty when none is known.
// With Qt the program asks QStandardPaths instead.
std::string DocumentsFolderWithoutQt();

}  // namespace kestrin
