// defaults and normalize: the writer's text of the default model or of a file.
#include <ostream>

#include "cli/commands.h"
#include "model/reader.h"
#include "model/writer.h"

namespace kestrin::cli {

namespace {

int RunDefaults(Context& ctx) {
  auto opts = ParseOptions(ctx, {"-o"}, {});
  if (!opts) return kExitBadInput;
  if (!opts->positional.empty()) {
    ctx.err << "kestrin-cfg defaults: лишний аргумент \"" << opts->positional[0] << "\"\n";
    return kExitBadInput;
  }
  T_Command_DEVICE model;
  model.SetDefaults();
  return EmitOutput(ctx, *opts, WriteConfigTextCrLf(model)) ? kExitOk : kExitBadInput;
}

int RunNormalize(Context& ctx) {
  auto opts = ParseOneArgument(ctx, "normalize", "нужен ровно один файл", {"-o", "--key"},
                               {"--as-saved"});
  if (!opts) return kExitBadInput;
  T_Command_DEVICE model;
  if (int rc = LoadInputModel(ctx, *opts, model); rc != kExitOk) return rc;
  return EmitOutput(ctx, *opts, WriteConfigTextCrLf(model)) ? kExitOk : kExitBadInput;
}

}  // namespace

const Command kDefaultsCommand = {
    "defaults", "текст конфигурации по умолчанию",
    "Использование: kestrin-cfg defaults [-o ФАЙЛ]\n\n"
    "Выводит текст конфигурации по умолчанию (561 строка, Windows-1251, CR LF).\n"
    "  -o ФАЙЛ   записать в файл (замена атомарная) вместо стандартного вывода\n",
    RunDefaults};

const Command kNormalizeCommand = {
    "normalize", "прочитать файл конфигурации и записать его заново",
    "Использование: kestrin-cfg normalize ФАЙЛ [-o ФАЙЛ] [--key КЛЮЧ] [--as-saved]\n\n"
    "Загружает файл, сбрасывает конфигурацию к значениям по умолчанию, читает файл\n"
    "и выводит текст конфигурации в том виде, в каком его пишет конфигуратор\n"
    "(без --as-saved - значения файла как прочитаны; с --as-saved - байт в байт\n"
    "то, что сохранит конфигуратор, открыв этот файл).\n"
    "  -o ФАЙЛ     записать в файл (замена атомарная) вместо стандартного вывода\n"
    "  --key КЛЮЧ  ключ для зашифрованного контейнера (*.cry); \"-\" - прочитать\n"
    "              ключ из стандартного ввода\n" KESTRIN_AS_SAVED_HELP,
    RunNormalize};

}  // namespace kestrin::cli
