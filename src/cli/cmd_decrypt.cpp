// decrypt: the text of an enciphered container.
#include <ostream>

#include "cli/commands.h"
#include "cli/container_input.h"

namespace kestrin::cli {

namespace {

int RunDecrypt(Context& ctx) {
  auto opts = ParseOneArgument(ctx, "decrypt", "нужен ровно один файл", {"-o", "--key"}, {});
  if (!opts) return kExitBadInput;
  const std::string& path = opts->positional[0];
  if (int rc = RefuseUnreadable(ctx, path, true); rc != kExitOk) return rc;
  if (int rc = RefuseOutputOverContainer(ctx, *opts, path); rc != kExitOk) return rc;
  auto key = KeyOption(ctx, *opts);
  if (!key) return RefuseContainerWithoutKey(ctx, path);
  std::string text;
  if (int rc = LoadContainerText(ctx, opts->positional[0], *key, text); rc != kExitOk) return rc;
  return EmitOutput(ctx, *opts, text) ? kExitOk : kExitBadInput;
}

}  // namespace

const Command kDecryptCommand = {
    "decrypt", "расшифровать контейнер конфигурации (*.cry)",
    "Использование: kestrin-cfg decrypt ФАЙЛ --key КЛЮЧ [-o ФАЙЛ]\n\n"
    "Расшифровывает контейнер конфигурации и выводит его текст (Windows-1251,\n"
    "каждая строка завершается CR LF). Контейнер не изменяется: -o, указывающий\n"
    "на сам контейнер (и по ссылке), отвергается.\n"
    "  --key КЛЮЧ  ключ шифрования конфигурации; пробелы в начале и в конце\n"
    "              не учитываются; \"-\" - прочитать ключ из стандартного ввода\n"
    "  -o ФАЙЛ     записать в файл (замена атомарная) вместо стандартного вывода\n\n"
    "Коды завершения: 0 - расшифрован, 2 - файл не открыт, не является\n"
    "контейнером устройства или -o указывает на него, 3 - ключ не верный (файл не записывается).\n",
    RunDecrypt};

}  // namespace kestrin::cli
