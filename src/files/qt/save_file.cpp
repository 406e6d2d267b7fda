#include "files/qt/save_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace kestrin {

SaveResult SaveFileAtomic(const QString& path, const QByteArray& bytes) {
  QFileInfo info(path);
  // A rename would replace a write-protected file without asking: refuse it
  // first, as deleting it would have been refused.
  if (info.exists() && (!info.isFile() || !info.isWritable())) return SaveResult::CannotReplace;
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
