// write-panel: what the window's "В устройство..." does, onto a disk's folder:
// the unload rules and the checks, a backup of the disk's config.ini, then
// config.ini and clock.txt, read back and compared.
#include <ostream>

#include "cli/commands.h"
#include "cli/container_input.h"
#include "files/disk_io.h"
#include "files/panel_write.h"
#include "files/settings_hives.h"
#include "files/workflow.h"
#include "model/codec.h"
#include "model/writer.h"
#include "report/checks.h"

#ifdef KESTRIN_HAVE_QT
#include <QSettings>
#include <QStandardPaths>
#endif

namespace kestrin::cli {

namespace {

// The window's own setting and documents folder, so that both programs put
// backups in the same place.
std::string StoredBackupPath() {
#ifdef _WIN32
  const RegistryHives hives(kSettingsRegistryKey);
  return ReadSetting(hives, SaveHive(hives), "BackupPath").value_or(std::string());
#elif defined(KESTRIN_HAVE_QT)
  const QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kamtor"),
                    QStringLiteral("Velmar"));
  return s.value(QStringLiteral("BackupPath")).toString().toStdString();
#else
  return {};
#endif
}

std::string DocumentsFolder() {
#ifdef KESTRIN_HAVE_QT
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
#else
  return DocumentsFolderWithoutQt();
#endif
}

// The configuration as the window would write it; 0, or the exit status
// after the messages.
int PreparedText(Context& ctx, const Options& opts, std::string& text) {
  const std::string& path = opts.positional[0];
  if (LockFileBeside(path)) {
    PrintPair(ctx, kMsgLocked);
    return kExitBadInput;
  }
  const std::optional<std::string> key = KeyOption(ctx, opts);
  Options once = opts;  // "--key -" reads standard input once
  if (key) once.values["--key"] = *key;
  T_Command_DEVICE model;
  std::string containerKey;
  if (int rc = LoadModelFile(ctx, path, KeyOptionStep(ctx, once, path), false, model, containerKey); rc != kExitOk)
    return rc;
  // What the window's write makes of the file as opened.
  ApplyAsSaved(model, containerKey);
  bool found = false;
  for (const CheckViolation& v : ReportViolations(model)) {
    found = true;
    ctx.out << path << '\t' << v.groupName << '\t' << v.itemName << '\t' << v.message << '\t'
            << v.recommendation << '\n';
  }
  if (found) return kExitFound;
  text = WriteConfigTextCrLf(model);
  return kExitOk;
}

int RunWritePanel(Context& ctx) {
  auto opts = ParseOptions(ctx, {"--key", "--backup-dir"}, {});
  if (!opts) return kExitBadInput;
  if (opts->positional.size() != 2) {
    ctx.err << "kestrin-cfg write-panel: нужны ФАЙЛ и ДИСК\n";
    return kExitBadInput;
  }
  PanelWriteRequest request;
  if (int rc = PreparedText(ctx, *opts, request.configBytes); rc != kExitOk) return rc;
  request.clockBytes = ClockFileBytes();
  request.diskRoot = opts->positional[1];
  request.diskName = DiskDisplayName(request.diskRoot);
  request.backupFolder = opts->Value("--backup-dir").value_or(
      BackupFolder(StoredBackupPath(), DocumentsFolder()));
  request.now = LocalTimeNow();

  const PanelWriteResult r = WriteToPanelDisk(request, {ctx.writer, ctx.writer, nullptr});
  if (!r.backupPath.empty())
    ctx.out << "Резервная копия: " << r.backupPath << "\n";
  else if (r.failedAt != PanelWriteStep::ReadingDisk && r.failedAt != PanelWriteStep::Backup)
    ctx.out << "Резервная копия не нужна: на диске нет config.ini\n";
  if (!r.ok) {
    PrintPair(ctx, r.message, r.recommendation);
    return kExitBadInput;
  }
  ctx.out << r.message << "\n" << r.recommendation << "\n";
  return kExitOk;
}

}  // namespace

const Command kWritePanelCommand = {
    "write-panel", "записать конфигурацию на диск прибора, с резервной копией и проверкой",
    "Использование: kestrin-cfg write-panel ФАЙЛ ДИСК [--key КЛЮЧ] [--backup-dir ПАПКА]\n\n"
    "Делает то же, что кнопка \"В устройство...\" конфигуратора. ДИСК - корневая\n"
    "папка диска прибора (E:\\ в Windows, папка монтирования в Linux; подойдёт\n"
    "любая папка).\n"
    "  1. Читает ФАЙЛ; при lock.txt рядом с ним (прибор на охране) ничего не пишет.\n"
    "  2. Применяет правила вкладок и проверяет конфигурацию, как перед записью;\n"
    "     нарушения выводятся строками, как в команде check, и ничего не пишется.\n"
    "  3. Копирует config.ini диска (если он есть) в папку резервных копий под\n"
    "     именем ГГГГ-ММ-ДД_ЧЧ-ММ-СС_<имя диска>.ini (_2, _3... при совпадении),\n"
    "     сохраняя его время изменения, и сверяет копию.\n"
    "  4. Записывает config.ini и clock.txt и читает их с диска мимо кэша\n"
    "     системы для сверки.\n"
    "Выводит полный путь резервной копии (или что копировать было нечего) и итог.\n"
    "  --key КЛЮЧ          ключ для зашифрованного контейнера (*.cry); \"-\" -\n"
    "                      прочитать ключ из стандартного ввода\n"
    "  --backup-dir ПАПКА  папка резервных копий; по умолчанию - папка настройки\n"
    "                      BackupPath, иначе \"Кестрин/Резервные копии\" в папке\n"
    "                      документов пользователя\n"
    "Код возврата: 0 - записано и проверено, 1 - найдены нарушения (ничего не\n"
    "записано), 2 - ошибка (сообщение и рекомендация в стандартном потоке ошибок),\n"
    "3 - неверный ключ контейнера.\n",
    RunWritePanel};

}  // namespace kestrin::cli
