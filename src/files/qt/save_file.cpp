#include "files/qt/save_file.h"

#include <string_view>

#include "files/atomic_file.h"

namespace kestrin {

SaveResult SaveFileAtomic(const QString& path, const QByteArray& bytes, const FileWriter& writer) {
  const WriteResult r =
      writer.Replace(path.toStdString(), std::string_view(bytes.constData(), bytes.size()));
  switch (r) {
    case WriteResult::Ok:
      return SaveResult::Ok;
    case WriteResult::WriteProtected:
    case WriteResult::CannotWrite:
      return SaveResult::CannotReplace;
    case WriteResult::CannotCreate:
      break;
  }
  return SaveResult::CannotCreate;
}

}  // namespace kestrin
