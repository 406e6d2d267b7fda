// keys-export and keys-import: the 250 keys as a spreadsheet table.
#include <ostream>

#include "cli/commands.h"
#include "files/file_bytes.h"
#include "files/paths.h"
#include "files/keys_csv.h"
#include "model/messages.h"
#include "model/reader.h"
#include "model/writer.h"

namespace kestrin::cli {

namespace {

int RunKeysExport(Context& ctx) {
  auto opts = ParseOneArgument(ctx, "keys-export", "нужен ровно один файл", {"-o", "--key"}, {"--all"});
  if (!opts) return kExitBadInput;
  T_Command_DEVICE model;
  if (int rc = LoadInputModel(ctx, *opts, model); rc != kExitOk) return rc;
  return EmitOutput(ctx, *opts, ExportKeysCsv(model, opts->Has("--all"))) ? kExitOk : kExitBadInput;
}

int RunKeysImport(Context& ctx) {
  auto opts = ParseOneArgument(ctx, "keys-import", "нужен ровно один файл конфигурации", {"-o", "--key", "--csv"}, {});
  if (!opts) return kExitBadInput;
  const auto csvPath = opts->Value("--csv");
  const auto outPath = opts->Value("-o");
  if (!csvPath || !outPath) {
    ctx.err << "kestrin-cfg keys-import: нужны --csv ТАБЛИЦА и -o ФАЙЛ\n";
    return kExitBadInput;
  }
  // The tool writes plain text only; a plain text named *.cry would pass
  // for a container that no key opens.
  if (IsContainerPath(*outPath)) {
    ctx.err << "kestrin-cfg keys-import: " << *outPath
            << ": зашифрованный файл записать нельзя, укажите имя с расширением .ini\n";
    return kExitBadInput;
  }
  T_Command_DEVICE model;
  if (int rc = LoadInputModel(ctx, *opts, model); rc != kExitOk) return rc;
  std::string csv;
  if (const ReadStatus st = ReadFileBytes(*csvPath, csv); st != ReadStatus::Ok) {
    PrintPair(ctx, kMsgCannotOpen);
    if (const std::string reason = ReadFailureReason(st); !reason.empty()) ctx.err << reason << "\n";
    ctx.err << "(" << *csvPath << ")\n";
    return kExitBadInput;
  }
  const KeysCsvImport result = ImportKeysCsv(csv, model);
  if (!result.Ok()) {
    for (const std::string& line : result.errors) ctx.err << line << "\n";
    return kExitBadInput;
  }
  return EmitOutput(ctx, *opts, WriteConfigTextCrLf(model)) ? kExitOk : kExitBadInput;
}

}  // namespace

const Command kKeysExportCommand = {
    "keys-export", "ключи пользователей в таблицу CSV",
    "Использование: kestrin-cfg keys-export ФАЙЛ [--key КЛЮЧ] [-o ТАБЛИЦА.csv] [--all]\n\n"
    "Выводит ключи пользователей таблицей CSV: строка заголовка\n"
    "  №;Пользователь;Режим работы;Код управления;Разделы\n"
    "и по строке на каждый ключ, который отличается от ключа по умолчанию.\n"
    "Разделитель \";\", кодировка UTF-8 с BOM, концы строк CR LF. Скрытый код\n"
    "(************) выводится скрытым.\n"
    "  -o ТАБЛИЦА  записать в файл (замена атомарная) вместо стандартного вывода\n"
    "  --all       вывести все 250 ключей\n"
    "  --key КЛЮЧ  ключ для зашифрованного контейнера (*.cry); \"-\" - прочитать\n"
    "              ключ из стандартного ввода\n"
    "Код возврата: 0 - успешно, 2 - файл не прочитан, 3 - неверный ключ контейнера.\n",
    RunKeysExport};

const Command kKeysImportCommand = {
    "keys-import", "задать ключи пользователей из таблицы CSV",
    "Использование: kestrin-cfg keys-import ФАЙЛ --csv ТАБЛИЦА.csv [--key КЛЮЧ] -o ФАЙЛ\n\n"
    "Загружает файл конфигурации, задает ключи, названные в столбце \"№\" таблицы,\n"
    "и записывает конфигурацию так, как ее сохраняет конфигуратор. Остальные ключи\n"
    "и отсутствующие в таблице столбцы не меняются. Разделитель \";\", \",\" или\n"
    "табуляция; кодировка UTF-8 (с BOM или без), UTF-16 с BOM (\"Текст Юникод\")\n"
    "или Windows-1251. Скрытый код (************) оставляет код ключа из файла.\n"
    "Значения проверяются по правилам вкладки \"Ключи\": имя (до 10 знаков, до 9 в\n"
    "режимах \"Принуждение\" и \"Патруль\"; без управляющих знаков и без знаков,\n"
    "которые текст конфигурации не сохранил бы: \".\", \";\", \"$\"), режим по тексту списка,\n"
    "код - не более 12 шестнадцатеричных цифр, разделы от 1 до 8 (например 1-2,4),\n"
    "коды разных ключей не должны совпадать. При ошибках на стандартный вывод\n"
    "ошибок выводится по строке \"строка N: причина\" на каждую неверную строку\n"
    "таблицы (не более 20), и ничего не записывается.\n"
    "  --csv ТАБЛИЦА  таблица ключей\n"
    "  -o ФАЙЛ        куда записать конфигурацию (замена атомарная)\n"
    "  --key КЛЮЧ     ключ для зашифрованного контейнера (*.cry); \"-\" - прочитать\n"
    "                 ключ из стандартного ввода\n"
    "Код возврата: 0 - успешно, 2 - ошибка в таблице или файл не прочитан,\n"
    "3 - неверный ключ контейнера.\n",
    RunKeysImport};

}  // namespace kestrin::cli
