#include "files/qt/settings_store.h"

#include <QApplication>
#include <QSettings>

#include "files/settings_hives.h"
#include "gui/dialogs/form_error_message.h"

namespace kestrin {

namespace {

#ifdef _WIN32
const char kMachineKey[] = "HKEY_LOCAL_MACHINE\\Software\\Kamtor\\Velmar";
#endif

}  // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(QString iniPath) : iniPath_(std::move(iniPath)) {}

std::unique_ptr<QSettings> SettingsStore::Open() const {
  if (!iniPath_.isEmpty()) return std::make_unique<QSettings>(iniPath_, QSettings::IniFormat);
#ifdef _WIN32
  // Where the machine-wide values live; reading and saving go through both
  // hives (files/settings_hives.h).
  return std::make_unique<QSettings>(QString::fromLatin1(kMachineKey), QSettings::NativeFormat);
#else
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                     QStringLiteral("Kamtor"), QStringLiteral("Velmar"));
#endif
}

QString SettingsStore::Location() const { return Open()->fileName(); }

void SettingsStore::Notify(const QString& message, const QString& recommendation) const {
  if (notifier_) {
    notifier_(message, recommendation);
    return;
  }
  // No notifier handed in: a dialog of its own over the active window.
  TFormErrorMessage dialog(QApplication::activeWindow());
  dialog.SetMessages(message, recommendation, false, true);
  dialog.exec();
}

void LoadSettings(ProgramSettings& settings, const SettingsStore& store) {
#ifdef _WIN32
  if (store.IsPlatformStore()) {
    const RegistryHives hives(kSettingsRegistryKey);
    const SettingsHive first = SaveHive(hives);
    ApplyStoredValues(settings, [&](const std::string& name) { return ReadSetting(hives, first, name); });
    return;
  }
#endif
  const auto s = store.Open();
  ApplyStoredValues(settings, [&](const std::string& name) -> std::optional<std::string> {
    const QVariant v = s->value(QString::fromStdString(name));
    if (!v.isValid()) return std::nullopt;
    return v.toString().toStdString();
  });
}

bool SaveSettings(const ProgramSettings& settings, const SettingsStore& store) {
  const auto values = StoredValues(settings);
  bool saved = false;
#ifdef _WIN32
  if (store.IsPlatformStore()) {
    RegistryHives hives(kSettingsRegistryKey);
    saved = SaveToHives(hives, values) != SaveOutcome::Failed;
  } else
#endif
  {
    const auto s = store.Open();
    for (const auto& v : values) {
      const QString name = QString::fromStdString(v.name);
      if (v.number)
        s->setValue(name, QString::fromStdString(v.text).toInt());
      else
        s->setValue(name, QString::fromStdString(v.text));
    }
    s->sync();
    saved = s->status() == QSettings::NoError && s->isWritable();
  }
  if (saved) return true;
  store.Notify(QStringLiteral("Ошибка записи настроек программы - настройки не могут "
                              "быть сохранены"),
               QStringLiteral("Проверьте отсутствие запрета записи (%1)").arg(store.Location()));
  return false;
}

}  // namespace kestrin
