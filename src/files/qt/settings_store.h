#pragma once
// Where the program settings are stored, and LoadSettings / SaveSettings.
//
// Windows: the registry key Software\Kamtor\Velmar of HKEY_LOCAL_MACHINE and
// HKEY_CURRENT_USER, as files/settings_hives.h decides.
// Linux: the user's INI file of organisation "Kamtor", application "Velmar".
// Tests give an explicit INI file.
#include <QString>
#include <functional>
#include <memory>

#include "files/program_settings.h"

class QSettings;

namespace kestrin {

class SettingsStore {
 public:
  // The platform's store.
  SettingsStore();
  // An explicit INI file (tests, portable use).
  explicit SettingsStore(QString iniPath);

  // A fresh QSettings over the store (never null).
  std::unique_ptr<QSettings> Open() const;
  // Where the values go, for messages and tests.
  QString Location() const;
  // The platform's store rather than an explicit file.
  bool IsPlatformStore() const { return iniPath_.isEmpty(); }

  // Called with a message pair (what happened, what to do) when the store must
  // tell the user something: a failed write. The default shows the error dialog.
  using Notifier = std::function<void(const QString& message, const QString& recommendation)>;
  void SetNotifier(Notifier notifier) { notifier_ = std::move(notifier); }
  void Notify(const QString& message, const QString& recommendation) const;

 private:
  QString iniPath_;
  Notifier notifier_;
};

// Store -> settings. Values missing or unreadable take their defaults
// (ListPathSave: settings.ProgramFolder, which the caller sets first).
void LoadSettings(ProgramSettings& settings, const SettingsStore& store = SettingsStore());

// Settings -> store. Returns false (after telling the user) when the values
// could not be written; the settings in memory stay as they are.
bool SaveSettings(const ProgramSettings& settings, const SettingsStore& store = SettingsStore());

}  // namespace kestrin
