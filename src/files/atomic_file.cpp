#include "files/atomic_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>

#include "files/workflow.h"

#ifdef _WIN32
#include <windows.h>
// <windows.h> maps ReplaceFile to ReplaceFileW; ours keeps its own name.
#undef ReplaceFile
#else
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#endif

namespace kestrin {

namespace fs = std::filesystem;

namespace {

// Shortens a write of `want` bytes at offset `done` so that it stops at the
// injected fault; false when the fault is due now.
bool ClampToFault(const FileFaults& faults, size_t done, size_t& want) {
  if (faults.failWriteAtByte == FileFaults::kNever) return true;
  const size_t limit = faults.failWriteAtByte;
  if (done >= limit) return false;
  if (done + want > limit) want = limit - done;
  return true;
}

fs::path PathOf(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

fs::path FolderOf(const fs::path& p) {
  fs::path folder = p.parent_path();
  return folder.empty() ? fs::path(".") : folder;
}

// The end of a chain of symbolic links (the path itself when it is none); a
// dangling link gives the missing file it names. Empty for a loop.
fs::path FinalTarget(fs::path p) {
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(p, ec))) return p;
    fs::path next = fs::read_symlink(p, ec);
    if (ec) return {};
    p = next.is_absolute() ? next : p.parent_path() / next;
  }
  return {};
}

// A hidden name beside the target, unlikely to exist.
fs::path TempNameFor(const fs::path& target) {
  std::random_device rd;
  const uint64_t r = (static_cast<uint64_t>(rd()) << 32) ^ rd();
  char hex[20];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(r));
  fs::path name(".");
  name += target.filename();
  name += ".tmp";
  name += hex;
  return FolderOf(target) / name;
}

// Opening or replacing an existing target "cannot be written"; creating a
// new file, or running out of space, "cannot be created".
WriteResult Classify(bool targetExists, bool noSpace) {
  return targetExists && !noSpace ? WriteResult::CannotWrite : WriteResult::CannotCreate;
}

#ifdef _WIN32

DWORD FaultCode(const FileFaults& faults) {
  switch (faults.error) {
    case FaultError::NoSpace: return ERROR_DISK_FULL;
    case FaultError::Denied: return ERROR_ACCESS_DENIED;
    default: return ERROR_WRITE_FAULT;
  }
}

bool NoSpace(DWORD e) { return e == ERROR_DISK_FULL || e == ERROR_HANDLE_DISK_FULL; }

bool WriteAll(HANDLE h, std::string_view bytes, DWORD& err, const FileFaults& faults) {
  size_t done = 0;
  while (done < bytes.size()) {
    size_t want = std::min<size_t>(bytes.size() - done, size_t{1} << 30);
    if (!ClampToFault(faults, done, want)) {
      err = FaultCode(faults);
      return false;
    }
    DWORD n = 0;
    if (!WriteFile(h, bytes.data() + done, static_cast<DWORD>(want), &n, nullptr)) {
      err = GetLastError();
      return false;
    }
    done += n;
  }
  return true;
}

HANDLE CreateTemp(const fs::path& target, fs::path& temp, DWORD& err, const FileFaults& faults) {
  if (faults.failCreate) {
    err = FaultCode(faults);
    return INVALID_HANDLE_VALUE;
  }
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = TempNameFor(target);
    HANDLE h = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) return h;
    err = GetLastError();
    if (err != ERROR_FILE_EXISTS && err != ERROR_ALREADY_EXISTS) break;
  }
  return INVALID_HANDLE_VALUE;
}

// The temporary file inherits the folder's access rights, as the replaced
// file normally did; its hidden and system attributes are carried over.
WriteResult ReplaceRegular(const fs::path& target, DWORD oldAttrs, std::string_view bytes,
                           const FileFaults& faults) {
  const bool exists = oldAttrs != INVALID_FILE_ATTRIBUTES;
  fs::path temp;
  DWORD err = 0;
  HANDLE h = CreateTemp(target, temp, err, faults);
  if (h == INVALID_HANDLE_VALUE) return Classify(exists, NoSpace(err));
  WriteResult r = WriteResult::Ok;
  if (!WriteAll(h, bytes, err, faults) || faults.failSync || !FlushFileBuffers(h)) {
    r = WriteResult::CannotCreate;
  }
  if (!CloseHandle(h) && r == WriteResult::Ok) r = WriteResult::CannotCreate;
  const DWORD kept = exists ? oldAttrs & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                          FILE_ATTRIBUTE_NOT_CONTENT_INDEXED)
                            : 0;
  if (r == WriteResult::Ok && kept != 0 && !SetFileAttributesW(temp.c_str(), kept)) {
    r = WriteResult::CannotWrite;
  }
  if (r == WriteResult::Ok &&
      (faults.failRename ||
       !MoveFileExW(temp.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))) {
    r = Classify(exists, false);
  }
  if (r != WriteResult::Ok) DeleteFileW(temp.c_str());
  return r;
}

WriteResult ReplaceNative(const fs::path& given, std::string_view bytes, const FileFaults& faults) {
  const fs::path target = FinalTarget(given);
  if (target.empty()) return WriteResult::CannotCreate;
  const DWORD attrs = GetFileAttributesW(target.c_str());
  if (attrs == INVALID_FILE_ATTRIBUTES) return ReplaceRegular(target, attrs, bytes, faults);
  if (attrs & FILE_ATTRIBUTE_DIRECTORY) return WriteResult::CannotWrite;
  if (attrs & FILE_ATTRIBUTE_READONLY) return WriteResult::WriteProtected;
  // Held by another program or not ours to write: refused before any
  // temporary file exists.
  HANDLE h = CreateFileW(target.c_str(), GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return WriteResult::CannotWrite;
  if (GetFileType(h) != FILE_TYPE_DISK) {  // a device or a pipe: written straight into
    DWORD err = 0;
    WriteResult r = WriteAll(h, bytes, err, faults) ? WriteResult::Ok : WriteResult::CannotCreate;
    CloseHandle(h);
    return r;
  }
  CloseHandle(h);
  return ReplaceRegular(target, attrs, bytes, faults);
}

#else  // POSIX

int FaultCode(const FileFaults& faults) {
  switch (faults.error) {
    case FaultError::NoSpace: return ENOSPC;
    case FaultError::Denied: return EACCES;
    default: return EIO;
  }
}

bool NoSpace(int e) { return e == ENOSPC || e == EDQUOT; }

// The temporary file being written, for the signal handler: a fixed buffer
// and a lock-free flag, as nothing else may be touched there.
char g_tempPath[PATH_MAX];
std::atomic<bool> g_tempPending{false};
constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void RemoveTempAndResignal(int sig) {
  if (g_tempPending.exchange(false)) ::unlink(g_tempPath);
  ::signal(sig, SIG_DFL);
  ::raise(sig);
}

// Before every replace, and only for signals at their default action: one
// the process ignores or handles itself is left so.
void InstallCleanupHandlers() {
  for (int sig : kCleanupSignals) {
    struct sigaction old {};
    if (::sigaction(sig, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) != 0 ||
        old.sa_handler != SIG_DFL) {
      continue;
    }
    struct sigaction act {};
    act.sa_handler = RemoveTempAndResignal;
    sigemptyset(&act.sa_mask);
    ::sigaction(sig, &act, nullptr);
  }
}

// Holds the cleanup signals back while the temporary file comes into being
// or goes away, so that the handler never sees a half-set path.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : kCleanupSignals) sigaddset(&set, sig);
    ::pthread_sigmask(SIG_BLOCK, &set, &old_);
  }
  ~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &old_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t old_;
};

bool WriteAll(int fd, std::string_view bytes, int& err, const FileFaults& faults) {
  size_t done = 0;
  while (done < bytes.size()) {
    size_t want = bytes.size() - done;
    if (faults.raiseSignal != 0 && done >= faults.raiseAtByte) ::raise(faults.raiseSignal);
    if (faults.raiseSignal != 0 && done < faults.raiseAtByte && done + want > faults.raiseAtByte) {
      want = faults.raiseAtByte - done;
    }
    if (!ClampToFault(faults, done, want)) {
      err = FaultCode(faults);
      return false;
    }
    const ssize_t n = ::write(fd, bytes.data() + done, want);
    if (n < 0) {
      if (errno == EINTR) continue;
      err = errno;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

WriteResult WriteInto(int fd, std::string_view bytes, const FileFaults& faults) {
  int err = 0;
  return WriteAll(fd, bytes, err, faults) ? WriteResult::Ok : WriteResult::CannotCreate;
}

// A device, FIFO or socket: opened as it is (no truncation, no creation).
WriteResult WriteStraight(const fs::path& path, std::string_view bytes, const FileFaults& faults) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return WriteResult::CannotWrite;
  WriteResult r = WriteInto(fd, bytes, faults);
  if (::close(fd) != 0 && r == WriteResult::Ok) r = WriteResult::CannotCreate;
  return r;
}

// /dev/stdout and the like naming the file our own output goes to: written
// through that descriptor, so that the shell's redirection (> or >>) holds.
int OwnStreamOf(const struct stat& st) {
  for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
    struct stat s;
    if (::fstat(fd, &s) == 0 && s.st_dev == st.st_dev && s.st_ino == st.st_ino) return fd;
  }
  return -1;
}

// Write-protected even for the superuser, who may write anything: a mode
// without any write bit counts as the read-only attribute does on Windows.
bool WriteProtected(const fs::path& path, const struct stat& st) {
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// The replaced file's owner and group where permitted, then its permission
// bits (after chown, which clears set-id bits). The bits may only fail to
// stick when the temporary file grants no more than they do.
bool CopyAccess(int fd, const struct stat& old) {
  if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
    if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
      // Not permitted: the file becomes ours, as any new file would.
    }
  }
  const mode_t bits = old.st_mode & 07777;
  if (::fchmod(fd, bits) == 0) return true;
  struct stat now;
  return ::fstat(fd, &now) == 0 && (now.st_mode & 07777 & ~bits) == 0;
}

// Created with 0666 so that the process's umask gives a new file its usual
// permissions.
int CreateTemp(const fs::path& target, fs::path& temp, int& err, const FileFaults& faults) {
  if (faults.failCreate) {
    err = FaultCode(faults);
    return -1;
  }
  InstallCleanupHandlers();
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = TempNameFor(target);
    if (temp.native().size() >= sizeof g_tempPath) {
      err = ENAMETOOLONG;
      break;
    }
    SignalsHeld held;
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd >= 0) {
      std::memcpy(g_tempPath, temp.c_str(), temp.native().size() + 1);
      g_tempPending = true;
      return fd;
    }
    err = errno;
    if (err != EEXIST) break;
  }
  return -1;
}

// Once renamed the new file is in place: a folder that cannot be synced
// (some file systems refuse) is no failure to report.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

WriteResult ReplaceRegular(const fs::path& target, const struct stat* old, std::string_view bytes,
                           const FileFaults& faults) {
  const bool exists = old != nullptr;
  fs::path temp;
  int err = 0;
  const int fd = CreateTemp(target, temp, err, faults);
  if (fd < 0) return Classify(exists, NoSpace(err));
  WriteResult r = WriteResult::Ok;
  if (exists && !CopyAccess(fd, *old)) {
    r = WriteResult::CannotWrite;
  } else if (!WriteAll(fd, bytes, err, faults) || faults.failSync || ::fsync(fd) != 0) {
    r = WriteResult::CannotCreate;
  }
  if (::close(fd) != 0 && r == WriteResult::Ok) r = WriteResult::CannotCreate;
  {
    SignalsHeld held;
    if (r == WriteResult::Ok &&
        (faults.failRename || ::rename(temp.c_str(), target.c_str()) != 0)) {
      r = Classify(exists, false);
    }
    if (r != WriteResult::Ok) ::unlink(temp.c_str());
    g_tempPending = false;
  }
  if (r != WriteResult::Ok) return r;
  SyncFolder(FolderOf(target));
  return WriteResult::Ok;
}

WriteResult ReplaceNative(const fs::path& given, std::string_view bytes, const FileFaults& faults) {
  struct stat st;
  const bool exists = ::stat(given.c_str(), &st) == 0;  // through every link
  if (exists) {
    if (S_ISDIR(st.st_mode)) return WriteResult::CannotWrite;
    if (!S_ISREG(st.st_mode)) return WriteStraight(given, bytes, faults);
    if (const int own = OwnStreamOf(st); own >= 0) return WriteInto(own, bytes, faults);
    if (WriteProtected(given, st)) return WriteResult::WriteProtected;
  }
  const fs::path target = FinalTarget(given);
  if (target.empty()) return WriteResult::CannotCreate;
  return ReplaceRegular(target, exists ? &st : nullptr, bytes, faults);
}

#endif

}  // namespace

WriteResult FileWriter::Replace(const std::string& utf8Path, std::string_view bytes) const {
  if (utf8Path.empty()) return WriteResult::CannotCreate;
  return ReplaceNative(PathOf(utf8Path), bytes, faults_);
}

WriteResult ReplaceFile(const std::string& utf8Path, std::string_view bytes) {
  return FileWriter().Replace(utf8Path, bytes);
}

const MessagePair& WriteFailurePair(WriteResult result) {
  return result == WriteResult::CannotCreate ? kMsgCannotCreate : kMsgCannotReplace;
}

}  // namespace kestrin
