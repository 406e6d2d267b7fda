#include "files/qt/save_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace kestrin {

namespace {

// Write-protected as a read-only attribute would be: no write bit in the
// file's mode, or no right to write for this user. The mode counts even for
// an administrator, who may write anything (WriteUser says what the user may).
bool WriteProtected(const QFileInfo& info) {
  const QFileDevice::Permissions modeWrite =
      QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  return !info.isWritable() || !(info.permissions() & modeWrite);
}

}  // namespace

SaveResult SaveFileAtomic(const QString& path, const QByteArray& bytes) {
  QFileInfo info(path);
  // A rename would replace a write-protected file without asking: refuse it
  // first, as deleting it would have been refused.
  if (info.exists() && (!info.isFile() || WriteProtected(info))) return SaveResult::CannotReplace;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return SaveResult::CannotCreate;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    file.commit();
    return SaveResult::CannotCreate;
  }
  return file.commit() ? SaveResult::Ok : SaveResult::CannotCreate;
}

}  // namespace kestrin
