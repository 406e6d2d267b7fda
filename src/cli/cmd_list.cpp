// list: the rows the file list shows for a folder, every file tested at once.
#include <algorithm>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/commands.h"
#include "files/file_list.h"
#include "files/paths.h"
#include "model/codec.h"

namespace kestrin::cli {

namespace {

int ParseColumn(const std::string& s) {
  if (s == "0" || s == "kind") return kListColumnKind;
  if (s == "1" || s == "alias") return kListColumnAlias;
  if (s == "2" || s == "id") return kListColumnId;
  if (s == "3" || s == "file") return kListColumnFile;
  return -1;
}

int RunList(Context& ctx) {
  auto opts = ParseOneArgument(ctx, "list", "нужна ровно одна папка", {"--sort"}, {"--reverse"});
  if (!opts) return kExitBadInput;
  const std::string& folder = opts->positional[0];
  std::error_code ec;
  if (!std::filesystem::is_directory(PathFromUtf8(folder), ec)) {
    PrintPair(ctx, "Папка не найдена: " + folder, "Проверьте путь к папке");
    return kExitBadInput;
  }
  // The list skips what it cannot read; a folder it cannot read at all would
  // pass for an empty one.
  if (std::filesystem::directory_iterator(PathFromUtf8(folder), ec); ec) {
    PrintPair(ctx, "Папка не читается: " + folder, "Проверьте права на чтение папки");
    return kExitBadInput;
  }
  int column = -1;
  if (auto s = opts->Value("--sort")) {
    column = ParseColumn(*s);
    if (column < 0) {
      ctx.err << "kestrin-cfg list: неизвестный столбец \"" << *s << "\" (0-3, kind, alias, id, file)\n";
      return kExitBadInput;
    }
  }
  const int direction = opts->Has("--reverse") ? -1 : 1;

  T_Command_DEVICE scratch;
  FileList list(scratch);
  list.Open(folder);
  list.TestAll();
  std::vector<FileListRow> rows = list.Rows();
  if (column >= 0) {
    list.SortBy(column, direction);
    rows = list.Rows();
  } else if (direction < 0) {
    std::reverse(rows.begin(), rows.end());
  }
  for (const FileListRow& r : rows) {
    ctx.out << (r.kind == FileKind::Container ? "cry" : "ini") << '\t' << Cp1251ToUtf8(r.alias) << '\t'
            << OutputField(r.identifier) << '\t' << OutputField(r.fileName) << '\n';
  }
  ctx.out.flush();
  return ctx.out ? kExitOk : kExitBadInput;
}

}  // namespace

const Command kListCommand = {
    "list", "список файлов конфигурации папки (*.ini, *.cry)",
    "Использование: kestrin-cfg list ПАПКА [--sort СТОЛБЕЦ] [--reverse]\n\n"
    "Выводит строки списка файлов конфигурации папки так, как их показывает\n"
    "конфигуратор (все файлы проверены сразу), по строке на файл:\n"
    "  вид (ini/cry)<TAB>псевдоним<TAB>идентификатор<TAB>имя файла\n"
    "Сначала все *.ini, затем все *.cry, в порядке файловой системы. Знаки\n"
    "табуляции и концы строк в имени файла заменяются пробелами.\n"
    "  --sort СТОЛБЕЦ  сортировать: 0 или kind, 1 или alias, 2 или id, 3 или file\n"
    "  --reverse       обратный порядок\n\n"
    "Коды завершения: 0 - успешно, 2 - папка не найдена или не читается.\n",
    RunList};

}  // namespace kestrin::cli
