#pragma once
// Writing a configuration or the clock file from the window: the one file
// replacing routine of the core (files/atomic_file.h), so a failed write
// keeps the old file byte for byte and leaves no temporary file behind.
#include <QByteArray>
#include <QString>

namespace kestrin {

class FileWriter;

enum class SaveResult {
  Ok,
  CannotReplace,  // the target exists and may not be written (or is not a file)
  CannotCreate,   // the new file could not be created, written or put in place
};

SaveResult SaveFileAtomic(const QString& path, const QByteArray& bytes, const FileWriter& writer);

}  // namespace kestrin
