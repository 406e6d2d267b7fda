#pragma once
// The one way the program replaces a file (save, panel disk, -o, PDF), Qt-free.
// Paths are UTF-8.
//
// - A symbolic link is followed to its final target, which is replaced; the
//   link stays a link.
// - An existing target that is not a regular file (device, FIFO, socket) is
//   written straight into, never replaced.
// - An existing write-protected target (no write bit in its mode, or no right
//   to write it; the read-only attribute on Windows) is refused untouched.
// - Otherwise the bytes go to a temporary file in the same folder, which is
//   synced, given the old file's permission bits (and owner and group where
//   the process may set them) and renamed over the target; the folder is
//   synced. A new file gets the process's default permissions.
// - On any failure the old file stays byte for byte and the temporary file
//   is removed; so it is when SIGINT, SIGTERM or SIGHUP ends the process
//   during the write (POSIX: a handler removes it and the signal goes on to
//   its default action; a signal the process ignores or handles itself is
//   left alone). One replace at a time per process.
#include <cstddef>
#include <string>
#include <string_view>

namespace kestrin {

struct MessagePair;

enum class WriteResult {
  Ok,
  // The new bytes could not be created or written: no folder, no space, an
  // I/O error, a failed sync.
  CannotCreate,
  // The existing target is write-protected; nothing was touched.
  WriteProtected,
  // The existing target cannot be opened or replaced: held by another
  // program, folder not writable, the rename refused.
  CannotWrite,
};

// The message pair the user is shown for a failed result (not Ok):
// WriteProtected and CannotWrite "... не может быть записан", CannotCreate
// "... не может быть создан".
const MessagePair& WriteFailurePair(WriteResult result);

// Faults a test injects into one writer's calls.
enum class FaultError { Io, NoSpace, Denied };
struct FileFaults {
  static constexpr size_t kNever = static_cast<size_t>(-1);
  bool failCreate = false;          // creating the temporary (or new) file
  size_t failWriteAtByte = kNever;  // a write that would reach past this byte
  bool failSync = false;
  bool failRename = false;
  FaultError error = FaultError::Io;
  int raiseSignal = 0;                // POSIX: raised on the process once the
  size_t raiseAtByte = kNever;        // temporary file holds this many bytes
};

// The replacing routine as a value its owner hands to whatever writes for it
// (the window's document, the command-line tool), so that a test can give
// one writer faults without touching any other.
class FileWriter {
 public:
  FileWriter() = default;  // no faults: the program's writer
  explicit FileWriter(const FileFaults& faults) : faults_(faults) {}

  WriteResult Replace(const std::string& utf8Path, std::string_view bytes) const;

 private:
  FileFaults faults_;
};

// A writer without faults.
WriteResult ReplaceFile(const std::string& utf8Path, std::string_view bytes);

}  // namespace kestrin
