#pragma once
// Writing a configuration or the clock file through a temporary file in the
// target folder and an atomic replace, so a failed write keeps the old file.
#include <QByteArray>
#include <QString>

namespace kestrin {

enum class SaveResult {
  Ok,
  CannotReplace,  // the target exists and may not be written (or is not a file)
  CannotCreate,   // the new file could not be created, written or put in place
};

SaveResult SaveFileAtomic(const QString& path, const QByteArray& bytes);

}  // namespace kestrin
