// check: the consistency rules over configuration files, report-only.
#include <ostream>

#include "cli/commands.h"
#include "cli/container_input.h"
#include "files/paths.h"
#include "files/workflow.h"
#include "model/codec.h"
#include "report/checks.h"

namespace kestrin::cli {

namespace {

int RunCheck(Context& ctx) {
  auto opts = ParseOptions(ctx, {"--key"}, {"--as-saved"});
  if (!opts) return kExitBadInput;
  if (opts->positional.empty()) {
    ctx.err << "kestrin-cfg check: нужен хотя бы один файл\n";
    return kExitBadInput;
  }
  // "--key -" reads standard input once; every container gets that key.
  std::optional<std::string> key = KeyOption(ctx, *opts);

  int loadFailure = kExitOk;
  bool found = false;
  for (const std::string& path : opts->positional) {
    bool keyMissing = false;  // that refusal names no file
    const ContainerKeyStep keyStep = [&](std::optional<std::string>& typed) {
      typed = key;
      if (key) return kExitOk;
      keyMissing = true;
      return RefuseContainerWithoutKey(ctx, path);
    };
    T_Command_DEVICE model;
    std::string containerKey;
    if (int rc = LoadModelFile(ctx, path, keyStep, false, model, containerKey); rc != kExitOk) {
      if (!keyMissing) ctx.err << "(" << path << ")\n";
      if (loadFailure == kExitOk) loadFailure = rc;
      continue;
    }
    // As the window does after a load: the key that opened a container
    // stands in for a missing file key.
    if (opts->Has("--as-saved"))
      ApplyAsSaved(model, containerKey);
    else
      CompleteKeys(model, containerKey);
    for (const CheckViolation& v : ReportViolations(model)) {
      found = true;
      ctx.out << OutputField(path) << '\t' << OutputField(v.groupName) << '\t' << OutputField(v.itemName)
              << '\t' << OutputField(v.message) << '\t' << OutputField(v.recommendation) << '\n';
    }
  }
  ctx.out.flush();
  if (loadFailure != kExitOk) return loadFailure;
  return found ? kExitFound : kExitOk;
}

}  // namespace

const Command kCheckCommand = {
    "check", "проверить файлы конфигурации по правилам перед сохранением",
    "Использование: kestrin-cfg check ФАЙЛ... [--key КЛЮЧ] [--as-saved]\n\n"
    "Проверяет каждый файл по правилам, которые конфигуратор применяет перед\n"
    "сохранением, ничего не меняя (без --as-saved - файл как прочитан, с\n"
    "--as-saved - то, что сообщит сохранение в конфигураторе, открывшем этот\n"
    "файл). Для каждого нарушения выводится строка:\n"
    "  ФАЙЛ<TAB>группа<TAB>элемент<TAB>ошибка<TAB>рекомендация\n"
    "(первое нарушенное правило каждого элемента каждой группы). Знаки табуляции\n"
    "и концы строк внутри полей (и в имени файла) заменяются пробелами.\n"
    "  --key КЛЮЧ  ключ для зашифрованных контейнеров (*.cry); \"-\" - прочитать\n"
    "              ключ из стандартного ввода\n" KESTRIN_AS_SAVED_HELP
    "Код возврата: 0 - нарушений нет, 1 - найдены нарушения,\n"
    "2 - файл не прочитан, 3 - неверный ключ контейнера.\n",
    RunCheck};

}  // namespace kestrin::cli
