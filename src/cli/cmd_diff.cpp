// diff: the parameters in which two configurations differ, as the tabs show them.
#include <istream>
#include <ostream>

#include "cli/commands.h"
#include "cli/container_input.h"
#include "files/workflow.h"
#include "model/config_diff.h"

namespace kestrin::cli {

namespace {

// Reads one side into model; on failure prints the message pair and the
// file's name and returns the exit status.
int LoadSide(Context& ctx, const std::string& path, const std::optional<std::string>& key,
             const char* keyOption, T_Command_DEVICE& model) {
  const ContainerKeyStep keyStep = [&](std::optional<std::string>& typed) {
    typed = key;
    if (key) return kExitOk;
    PrintPair(ctx, "Файл зашифрован - для чтения нужен ключ",
              std::string("Укажите ключ шифрования конфигурации (") + keyOption + " КЛЮЧ)");
    return kExitBadInput;
  };
  // As the window does after a load: the key that opened a container stands
  // in for a missing file key.
  std::string containerKey;
  if (int rc = LoadModelFile(ctx, path, keyStep, true, model, containerKey); rc != kExitOk) {
    ctx.err << "(" << path << ")\n";
    return rc;
  }
  return kExitOk;
}

int PrintDifferences(Context& ctx, const Options& opts, const T_Command_DEVICE& a,
                     const T_Command_DEVICE& b) {
  DiffOptions options;
  options.showCodes = opts.Has("--show-codes");
  const std::vector<ConfigDifference> differences = DiffConfigurations(a, b, options);
  for (const ConfigDifference& d : differences) {
    ctx.out << d.tabName << '\t' << OutputField(d.parameter) << '\t' << OutputField(d.valueA) << '\t' << OutputField(d.valueB)
            << '\n';
  }
  ctx.out.flush();
  return differences.empty() ? kExitOk : kExitFound;
}

int RunDiffWithDefaults(Context& ctx, const Options& opts) {
  T_Command_DEVICE defaults;
  defaults.SetDefaults();
  CompleteKeys(defaults, std::string());  // as a file of the defaults reads
  T_Command_DEVICE b;
  const std::optional<std::string> key = opts.Value("--key");
  if (int rc = LoadSide(ctx, opts.positional[0], key, "--key", b); rc != kExitOk) return rc;
  return PrintDifferences(ctx, opts, defaults, b);
}

int RunDiff(Context& ctx) {
  auto opts = ParseOptions(ctx, {"--key", "--key-b"}, {"--show-codes"});
  if (!opts) return kExitBadInput;
  if (opts->positional.size() == 1 && !opts->Has("--key-b")) return RunDiffWithDefaults(ctx, *opts);
  if (opts->positional.size() != 2) {
    ctx.err << "kestrin-cfg diff: нужны один или два файла\n";
    return kExitBadInput;
  }
  // Standard input is read in the order A, B when both keys are "-".
  const std::optional<std::string> keyA = opts->Value("--key");
  std::optional<std::string> keyB = keyA;
  const char* keyOptionB = "--key";
  if (opts->Has("--key-b")) {
    keyB = opts->Value("--key-b");
    keyOptionB = "--key-b";
  }
  T_Command_DEVICE a;
  T_Command_DEVICE b;
  if (int rc = LoadSide(ctx, opts->positional[0], keyA, "--key", a); rc != kExitOk) return rc;
  if (int rc = LoadSide(ctx, opts->positional[1], keyB, keyOptionB, b); rc != kExitOk) return rc;
  return PrintDifferences(ctx, *opts, a, b);
}


}  // namespace

const Command kDiffCommand = {
    "diff", "сравнить две конфигурации по параметрам вкладок",
    "Использование: kestrin-cfg diff ФАЙЛ_A ФАЙЛ_B [--key КЛЮЧ] [--key-b КЛЮЧ]\n"
    "                                [--show-codes]\n"
    "               kestrin-cfg diff ФАЙЛ [--key КЛЮЧ] [--show-codes]\n\n"
    "Читает обе конфигурации (файлы или зашифрованные контейнеры) и для каждого\n"
    "параметра, который различается, выводит строку в порядке вкладок:\n"
    "  вкладка<TAB>параметр<TAB>значение в A<TAB>значение в B\n"
    "С одним файлом A - конфигурация по умолчанию (как файл, записанный\n"
    "kestrin-cfg defaults), B - этот файл.\n"
    "Значения выводятся так, как их показывает окно: типы - текстами списков,\n"
    "разделы - диапазонами (1-3,5), коды ключей скрыты звёздочками.\n"
    "Знаки табуляции внутри значений заменяются пробелами.\n"
    "  --key КЛЮЧ    ключ контейнеров (обоих, если не указан --key-b); \"-\" -\n"
    "                прочитать ключ из стандартного ввода\n"
    "  --key-b КЛЮЧ  ключ контейнера ФАЙЛ_B; \"-\" - из стандартного ввода\n"
    "                (после ключа --key, если оба читаются из ввода)\n"
    "  --show-codes  показывать коды ключей\n"
    "Контейнер узнаётся по расширению .cry или по заголовку; без ключа он не\n"
    "читается.\n\n"
    "Коды завершения: 0 - конфигурации совпадают, 1 - есть различия,\n"
    "2 - файл не прочитан (или контейнер указан без ключа), 3 - неверный ключ\n"
    "контейнера.\n",
    RunDiff};

}  // namespace kestrin::cli
