#pragma once
// Program settings as named values, and where they are kept on Windows.
// Qt-free.
//
// The registry has two hives for the settings: the machine's (all users;
// writable only with administrator rights) and the current user's. Saves go
// to the machine's hive and, when that cannot be written, to the user's
// without a word; only when neither can be written is the user told, and only
// on saving. Reading takes each value from the hive saves go to, else from
// the other, so an administrator's machine-wide values reach users without
// rights while a user's own saves still count.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/program_settings.h"

namespace kestrin {

struct SettingValue {
  std::string name;
  std::string text;     // UTF-8; a decimal integer when number is set
  bool number = false;  // stored as an integer, not as text
  bool operator==(const SettingValue&) const = default;
};

// The stored values of the settings (ProgramFolder is not stored).
std::vector<SettingValue> StoredValues(const ProgramSettings& settings);

// Looks a stored value up by name (UTF-8 text); nullopt when absent.
using SettingLookup = std::function<std::optional<std::string>(const std::string& name)>;

// Stored values -> settings. Missing or unreadable values take their defaults
// (ListPathSave: settings.ProgramFolder, which the caller sets first); mask
// texts are cleaned as a hand-edited store requires.
void ApplyStoredValues(ProgramSettings& settings, const SettingLookup& lookup);

enum class SettingsHive { Machine, User };

class SettingsHives {
 public:
  virtual ~SettingsHives() = default;
  virtual std::optional<std::string> Read(SettingsHive hive, const std::string& name) const = 0;
  // Whether the hive can be written, found without writing a value.
  virtual bool CanWrite(SettingsHive hive) const = 0;
  // Writes every value; false when any could not be written.
  virtual bool Write(SettingsHive hive, const std::vector<SettingValue>& values) = 0;
};

// The hive saves go to: the machine's when it can be written.
SettingsHive SaveHive(const SettingsHives& hives);

// A value from the hive saves go to (first), else from the other one.
std::optional<std::string> ReadSetting(const SettingsHives& hives, SettingsHive first,
                                       const std::string& name);

enum class SaveOutcome { Machine, User, Failed };
// The machine's hive, else the user's. Failed is the one case to report.
SaveOutcome SaveToHives(SettingsHives& hives, const std::vector<SettingValue>& values);

#ifdef _WIN32
// The program's key under both hives.
inline constexpr wchar_t kSettingsRegistryKey[] = L"Software\\Kamtor\\Velmar";

// The registry: key (for example L"Software\\Kamtor\\Velmar") under
// HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER. Texts are REG_SZ, numbers
// REG_DWORD; either is read from either.
class RegistryHives : public SettingsHives {
 public:
  explicit RegistryHives(std::wstring key) : key_(std::move(key)) {}
  std::optional<std::string> Read(SettingsHive hive, const std::string& name) const override;
  bool CanWrite(SettingsHive hive) const override;
  bool Write(SettingsHive hive, const std::vector<SettingValue>& values) override;

 private:
  std::wstring key_;
};
#endif

}  // namespace kestrin
