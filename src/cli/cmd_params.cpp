// params: every parameter of a configuration with its default, as the tabs
// show them.
#include <ostream>

#include "cli/commands.h"
#include "cli/container_input.h"
#include "files/workflow.h"
#include "model/codec.h"
#include "model/config_diff.h"

namespace kestrin::cli {

namespace {

int RunParams(Context& ctx) {
  auto opts = ParseOneArgument(ctx, "params", "нужен ровно один файл", {"--key", "--find"},
                               {"--changed", "--show-codes"});
  if (!opts) return kExitBadInput;
  // The tabs show a file as the window loads it: the key that opened a
  // container stands in for a missing file key.
  Options resolved = *opts;
  std::optional<std::string> key;
  if (IsContainerInput(opts->positional[0])) {
    key = KeyOption(ctx, *opts);
    if (key) resolved.values["--key"] = *key;
  }
  T_Command_DEVICE model;
  if (int rc = LoadInputModel(ctx, resolved, model); rc != kExitOk) return rc;
  CompleteKeys(model, key ? Utf8ToCp1251(*key) : std::string());

  DiffOptions options;
  options.showCodes = opts->Has("--show-codes");
  const bool changedOnly = opts->Has("--changed");
  const ParameterFilter filter(opts->Value("--find").value_or(""));
  for (const ConfigParameter& p : ListParameters(model, options)) {
    if ((changedOnly && !p.changed) || !filter.Matches(p)) continue;
    ctx.out << p.tabName << '\t' << OutputField(p.parameter) << '\t' << OutputField(p.value) << '\t'
            << OutputField(p.defaultValue) << '\n';
  }
  ctx.out.flush();
  return kExitOk;
}

}  // namespace

const Command kParamsCommand = {
    "params", "все параметры конфигурации и их значения по умолчанию",
    "Использование: kestrin-cfg params ФАЙЛ [--key КЛЮЧ] [--changed] [--find ТЕКСТ]\n"
    "                                 [--show-codes]\n\n"
    "Выводит каждый параметр вкладок конфигурации строкой, в порядке вкладок\n"
    "(как diff):\n"
    "  вкладка<TAB>параметр<TAB>значение<TAB>значение по умолчанию\n"
    "Значения выводятся так, как их показывает окно; знаки табуляции и концы\n"
    "строк внутри значений заменяются пробелами.\n"
    "  --key КЛЮЧ    ключ для зашифрованного контейнера (*.cry); \"-\" - прочитать\n"
    "                ключ из стандартного ввода\n"
    "  --changed     только параметры, отличные от значений по умолчанию\n"
    "  --find ТЕКСТ  только параметры, во вкладке, имени или значении которых есть\n"
    "                каждое слово текста (регистр букв не важен)\n"
    "  --show-codes  показывать коды ключей\n\n"
    "Коды завершения: 0 - выведено, 2 - файл не прочитан, 3 - неверный ключ\n"
    "контейнера.\n",
    RunParams};

}  // namespace kestrin::cli
