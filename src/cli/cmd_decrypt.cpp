// decrypt: the text of an enciphered container.
#include <ostream>

#include "cli/commands.h"
#include "cli/container_input.h"

namespace kestrin::cli {

namespace {

int RunDecrypt(Context& ctx) {
  auto opts = ParseOneArgument(ctx, "decrypt", "нужен ровно один файл", {"-o", "--key"}, {});
  if (!opts) return kExitBadInput;
  auto key = KeyOption(ctx, *opts);
  if (!key) return RefuseContainerWithoutKey(ctx, opts->positional[0]);
  std::string text;
  if (int rc = LoadContainerText(ctx, opts->positional[0], *key, text); rc != kExitOk) return rc;
  return EmitOutput(ctx, *opts, text) ? kExitOk : kExitBadInput;
}

}  // namespace

const Command kDecryptCommand = {
    "decrypt", "расшифровать контейнер конфигурации (*.cry)",
    "Использование: kestrin-cfg decrypt ФАЙЛ --key КЛЮЧ [-o ФАЙЛ]\n\n"
    "Расшифровывает контейнер конфигурации и выводит его текст (Windows-1251,\n"
    "каждая строка завершается CR LF). Контейнер не изменяется.\n"
    "  --key КЛЮЧ  ключ шифрования конфигурации; пробелы в начале и в конце\n"
    "              не учитываются; \"-\" - прочитать ключ из стандартного ввода\n"
    "  -o ФАЙЛ     записать в файл (замена атомарная) вместо стандартного вывода\n\n"
    "Коды завершения: 0 - расшифрован, 2 - файл не открыт или не является\n"
    "контейнером устройства, 3 - ключ не верный (файл не записывается).\n",
    RunDecrypt};

}  // namespace kestrin::cli
