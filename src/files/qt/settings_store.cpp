#include "files/qt/settings_store.h"

#include <QSettings>

#include "gui/widgets/qt_text.h"
#include "gui/dialogs/form_error_message.h"

namespace kestrin {

namespace {

SettingsStore::Notifier& CurrentNotifier() {
  static SettingsStore::Notifier notifier;
  return notifier;
}

#ifdef _WIN32
const char kMachineKey[] = "HKEY_LOCAL_MACHINE\\Software\\Kamtor\\Velmar";
const char kUserKey[] = "HKEY_CURRENT_USER\\Software\\Kamtor\\Velmar";

// Whether this run has already fallen back to the user's hive.
bool& FellBack() {
  static bool fellBack = false;
  return fellBack;
}

// The machine key is writable only with administrator rights; try it once
// per run and remember the answer.
bool MachineKeyWritable() {
  static const bool writable = [] {
    QSettings probe(QString::fromLatin1(kMachineKey), QSettings::NativeFormat);
    if (!probe.isWritable()) return false;
    probe.setValue(QStringLiteral("__probe"), 1);
    probe.sync();
    const bool ok = probe.status() == QSettings::NoError;
    probe.remove(QStringLiteral("__probe"));
    probe.sync();
    return ok;
  }();
  return writable;
}
#endif

// Integers and booleans may arrive as numbers or as text.
int ReadInt(const QSettings& s, const char* name, int fallback) {
  const QVariant v = s.value(QLatin1String(name));
  if (!v.isValid()) return fallback;
  bool ok = false;
  const int n = v.toString().trimmed().toInt(&ok);
  return ok ? n : fallback;
}

bool ReadBool(const QSettings& s, const char* name, bool fallback) {
  const QVariant v = s.value(QLatin1String(name));
  if (!v.isValid()) return fallback;
  const QString t = v.toString().trimmed().toLower();
  if (t == QLatin1String("true")) return true;
  if (t == QLatin1String("false")) return false;
  bool ok = false;
  const int n = t.toInt(&ok);
  return ok ? n != 0 : fallback;
}

// Mask texts are kept as Windows-1251; the store holds them as Unicode.
std::string ReadText(const QSettings& s, const char* name, const std::string& fallbackCp1251) {
  const QVariant v = s.value(QLatin1String(name));
  return v.isValid() ? FromQ(v.toString()) : fallbackCp1251;
}

std::string ReadPath(const QSettings& s, const char* name, const std::string& fallbackUtf8) {
  const QVariant v = s.value(QLatin1String(name));
  return v.isValid() ? v.toString().toStdString() : fallbackUtf8;
}

}  // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(QString iniPath) : iniPath_(std::move(iniPath)) {}

std::unique_ptr<QSettings> SettingsStore::Open() const {
  if (!iniPath_.isEmpty()) return std::make_unique<QSettings>(iniPath_, QSettings::IniFormat);
#ifdef _WIN32
  if (MachineKeyWritable())
    return std::make_unique<QSettings>(QString::fromLatin1(kMachineKey), QSettings::NativeFormat);
  if (!FellBack()) {
    FellBack() = true;
    Notify(QStringLiteral("Настройки программы не могут быть записаны в раздел реестра "
                          "HKEY_LOCAL_MACHINE"),
           QStringLiteral("Настройки будут храниться в разделе текущего пользователя "
                          "(HKEY_CURRENT_USER)"));
  }
  return std::make_unique<QSettings>(QString::fromLatin1(kUserKey), QSettings::NativeFormat);
#else
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                     QStringLiteral("Kamtor"), QStringLiteral("Velmar"));
#endif
}

QString SettingsStore::Location() const { return Open()->fileName(); }

void SettingsStore::SetNotifier(Notifier notifier) { CurrentNotifier() = std::move(notifier); }

void SettingsStore::Notify(const QString& message, const QString& recommendation) {
  if (CurrentNotifier()) {
    CurrentNotifier()(message, recommendation);
    return;
  }
  TFormErrorMessage& dialog = FormErrorMessage();
  dialog.SetMessages(message, recommendation, false, true);
  dialog.exec();
}

void LoadSettings(ProgramSettings& settings, const SettingsStore& store) {
  const auto s = store.Open();
  const ProgramSettings d = DefaultSettings(settings.ProgramFolder);
  settings.HideHint = ReadBool(*s, "HideHint", d.HideHint);
  settings.PortTM = ReadInt(*s, "PortTM", d.PortTM);
  settings.ListPathSave = ReadPath(*s, "ListPathSave", d.ListPathSave);
  settings.ListModeOpenSave = ReadBool(*s, "ListModeOpenSave", d.ListModeOpenSave);
  settings.MaskMode = ReadBool(*s, "MaskMode", d.MaskMode);
  settings.MaskPref = ReadText(*s, "MaskPref", d.MaskPref);
  settings.MaskDelim1 = ReadText(*s, "MaskDelim1", d.MaskDelim1);
  settings.MaskDelim2 = ReadText(*s, "MaskDelim2", d.MaskDelim2);
  settings.MaskDelim3 = ReadText(*s, "MaskDelim3", d.MaskDelim3);
  settings.MaskSuff = ReadText(*s, "MaskSuff", d.MaskSuff);
  settings.MaskIdent1 = ReadInt(*s, "MaskIdent1", d.MaskIdent1);
  settings.MaskIdent2 = ReadInt(*s, "MaskIdent2", d.MaskIdent2);
  settings.MaskIdent3 = ReadInt(*s, "MaskIdent3", d.MaskIdent3);
  settings.MaskIdent4 = ReadInt(*s, "MaskIdent4", d.MaskIdent4);
  NormalizeSettings(settings);
}

bool SaveSettings(const ProgramSettings& settings, const SettingsStore& store) {
  const auto s = store.Open();
  s->setValue(QStringLiteral("HideHint"), settings.HideHint ? 1 : 0);
  s->setValue(QStringLiteral("PortTM"), settings.PortTM);
  s->setValue(QStringLiteral("ListPathSave"), QString::fromStdString(settings.ListPathSave));
  s->setValue(QStringLiteral("ListModeOpenSave"), settings.ListModeOpenSave ? 1 : 0);
  s->setValue(QStringLiteral("MaskMode"), settings.MaskMode ? 1 : 0);
  s->setValue(QStringLiteral("MaskPref"), ToQ(settings.MaskPref));
  s->setValue(QStringLiteral("MaskDelim1"), ToQ(settings.MaskDelim1));
  s->setValue(QStringLiteral("MaskDelim2"), ToQ(settings.MaskDelim2));
  s->setValue(QStringLiteral("MaskDelim3"), ToQ(settings.MaskDelim3));
  s->setValue(QStringLiteral("MaskSuff"), ToQ(settings.MaskSuff));
  s->setValue(QStringLiteral("MaskIdent1"), settings.MaskIdent1);
  s->setValue(QStringLiteral("MaskIdent2"), settings.MaskIdent2);
  s->setValue(QStringLiteral("MaskIdent3"), settings.MaskIdent3);
  s->setValue(QStringLiteral("MaskIdent4"), settings.MaskIdent4);
  s->sync();
  if (s->status() == QSettings::NoError && s->isWritable()) return true;
  SettingsStore::Notify(QStringLiteral("Ошибка записи настроек программы - настройки не могут "
                                       "быть сохранены"),
                        QStringLiteral("Проверьте отсутствие запрета записи (%1)")
                            .arg(store.Location()));
  return false;
}

}  // namespace kestrin
