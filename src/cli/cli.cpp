#include "cli/cli.h"

#include <ostream>

namespace kestrin::cli {

namespace {

void PrintUsage(std::ostream& out) {
  out << "kestrin-cfg: конфигурация ППКОП Кестрин 18кГц 8 из командной строки\n\n"
         "Использование: kestrin-cfg КОМАНДА [ПАРАМЕТРЫ]\n"
         "               kestrin-cfg КОМАНДА --help\n\n"
         "Команды:\n";
  for (const Command& c : Commands()) {
    std::string name = c.name;
    name.resize(12, ' ');
    out << "  " << name << c.summary << "\n";
  }
  out << "\nФайлы пишутся в кодировке Windows-1251 с концами строк CR LF; сообщения выводятся в UTF-8.\n"
         "\"--key -\" читает ключ из стандартного ввода: одну строку не длиннее 4096 байт\n"
         "без нулевых байтов. \"--\" завершает параметры: kestrin-cfg check -- -site.ini.\n"
         "В строках вывода с табуляциями табуляция и концы строк внутри поля\n"
         "(имени файла, значения) заменяются пробелами.\n"
         "Коды завершения: 0 - успешно, 1 - найдены нарушения, 2 - ошибка входных данных,\n"
         "3 - неверный ключ контейнера.\n";
}

}  // namespace

void ReportOutputFailure(std::ostream& err) {
  err << "kestrin-cfg: ошибка записи в стандартный вывод\n";
}

int Run(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err,
        std::istream& in, const FileWriter& writer) {
  if (argv.empty()) {
    PrintUsage(err);
    return kExitBadInput;
  }
  const std::string& name = argv[0];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintUsage(out);
    return kExitOk;
  }
  for (const Command& c : Commands()) {
    if (name != c.name) continue;
    Context ctx{std::vector<std::string>(argv.begin() + 1, argv.end()), out, err, in, writer};
    for (const std::string& a : ctx.args) {
      if (a == "--") break;  // what follows is an argument, even "--help"
      if (a == "--help" || a == "-h") {
        out << c.help;
        return kExitOk;
      }
    }
    const int rc = c.run(ctx);
    out.flush();
    if (!out) {
      ReportOutputFailure(err);
      return kExitBadInput;
    }
    return rc;
  }
  err << "kestrin-cfg: неизвестная команда \"" << name << "\"\n"
      << "Список команд: kestrin-cfg --help\n";
  return kExitBadInput;
}

}  // namespace kestrin::cli
