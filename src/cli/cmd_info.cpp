// info: alias and identifier from the plain header of containers.
#include <ostream>

#include "cli/commands.h"
#include "files/container.h"
#include "files/file_bytes.h"
#include "model/codec.h"

namespace kestrin::cli {

namespace {

int RunInfo(Context& ctx) {
  auto opts = ParseOptions(ctx, {}, {});
  if (!opts) return kExitBadInput;
  if (opts->positional.empty()) {
    ctx.err << "kestrin-cfg info: не указан ни один файл\n";
    return kExitBadInput;
  }
  bool unreadable = false;
  bool notContainer = false;
  for (const std::string& path : opts->positional) {
    std::string bytes;
    ctx.out << OutputField(path) << "\t";
    if (ReadFileBytes(path, bytes, kContainerHeaderProbeBytes, true) != ReadStatus::Ok) {
      ctx.out << "ошибка открытия файла\n";
      unreadable = true;
      continue;
    }
    ContainerHeader h = ParseContainerHeader(bytes);
    if (!h.matches) {
      ctx.out << "не является контейнером ППКОП Кестрин 18кГц 8\n";
      notContainer = true;
    } else if (!h.complete) {
      ctx.out << "контейнер повреждён: псевдоним и идентификатор неполные\n";
      notContainer = true;
    } else {
      ctx.out << Cp1251ToUtf8(ContainerAliasText(h.alias)) << "\t" << FormatContainerId(h.identifier) << "\n";
    }
  }
  if (unreadable) return kExitBadInput;
  return notContainer ? kExitFound : kExitOk;
}

}  // namespace

const Command kInfoCommand = {
    "info", "псевдоним и идентификатор контейнеров (*.cry)",
    "Использование: kestrin-cfg info ФАЙЛ...\n\n"
    "Для каждого файла выводит строку: имя файла, табуляция, псевдоним прибора\n"
    "(без завершающих пробелов), табуляция, идентификатор в виде XXXX-XXXX-XXXX\n"
    "(знаки, не являющиеся шестнадцатеричными цифрами, показаны как \"?\").\n"
    "Ключ не нужен: эти поля хранятся в контейнере открыто. Знаки табуляции\n"
    "и концы строк в имени файла заменяются пробелами.\n\n"
    "Коды завершения: 0 - все файлы являются контейнерами, 1 - есть файлы,\n"
    "не являющиеся контейнерами, 2 - есть файлы, которые не удалось прочитать.\n",
    RunInfo};

}  // namespace kestrin::cli
