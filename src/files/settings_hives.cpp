#include "files/settings_hives.h"

#include <cctype>
#include <charconv>
#include <cstring>

#include "files/wide_text.h"
#include "files/windows_api.h"
#include "model/codec.h"

namespace kestrin {

namespace {

SettingValue Number(const char* name, int value) { return {name, std::to_string(value), true}; }
SettingValue Flag(const char* name, bool value) { return Number(name, value ? 1 : 0); }
// Mask texts are Windows-1251 in memory and Unicode in the store.
SettingValue MaskText(const char* name, const std::string& cp1251) {
  return {name, Cp1251ToUtf8(cp1251), false};
}

std::string Trimmed(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

std::optional<int> ParseInt(const std::string& text) {
  std::string t = Trimmed(text);
  if (!t.empty() && t[0] == '+') t.erase(0, 1);
  int n = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
  if (ec != std::errc() || end != t.data() + t.size() || t.empty()) return std::nullopt;
  return n;
}

int ReadInt(const SettingLookup& lookup, const char* name, int fallback) {
  const auto v = lookup(name);
  const auto n = v ? ParseInt(*v) : std::nullopt;
  return n ? *n : fallback;
}

// Booleans may arrive as numbers or as the words true and false.
bool ReadBool(const SettingLookup& lookup, const char* name, bool fallback) {
  const auto v = lookup(name);
  if (!v) return fallback;
  const std::string t = LowerLatin(Trimmed(*v));
  if (t == "true") return true;
  if (t == "false") return false;
  const auto n = ParseInt(t);
  return n ? *n != 0 : fallback;
}

}  // namespace

std::vector<SettingValue> StoredValues(const ProgramSettings& s) {
  std::vector<SettingValue> values = {Flag("HideHint", s.HideHint),
          Number("PortTM", s.PortTM),
          {"ListPathSave", s.ListPathSave, false},
          Flag("ListModeOpenSave", s.ListModeOpenSave),
          Flag("MaskMode", s.MaskMode),
          MaskText("MaskPref", s.MaskPref),
          MaskText("MaskDelim1", s.MaskDelim1),
          MaskText("MaskDelim2", s.MaskDelim2),
          MaskText("MaskDelim3", s.MaskDelim3),
          MaskText("MaskSuff", s.MaskSuff),
          Number("MaskIdent1", s.MaskIdent1),
          Number("MaskIdent2", s.MaskIdent2),
          Number("MaskIdent3", s.MaskIdent3),
          Number("MaskIdent4", s.MaskIdent4)};
  // Set by hand or by an administrator; an empty one is not written, so that
  // saving the dialog's settings never hides a machine-wide folder.
  if (!s.BackupPath.empty()) values.push_back({"BackupPath", s.BackupPath, false});
  return values;
}

void ApplyStoredValues(ProgramSettings& s, const SettingLookup& lookup) {
  const ProgramSettings d = DefaultSettings(s.ProgramFolder);
  auto text = [&](const char* name, const std::string& fallbackCp1251) {
    const auto v = lookup(name);
    return v ? Utf8ToCp1251(*v) : fallbackCp1251;
  };
  s.HideHint = ReadBool(lookup, "HideHint", d.HideHint);
  s.PortTM = ReadInt(lookup, "PortTM", d.PortTM);
  s.ListPathSave = lookup("ListPathSave").value_or(d.ListPathSave);
  s.ListModeOpenSave = ReadBool(lookup, "ListModeOpenSave", d.ListModeOpenSave);
  s.MaskMode = ReadBool(lookup, "MaskMode", d.MaskMode);
  s.MaskPref = text("MaskPref", d.MaskPref);
  s.MaskDelim1 = text("MaskDelim1", d.MaskDelim1);
  s.MaskDelim2 = text("MaskDelim2", d.MaskDelim2);
  s.MaskDelim3 = text("MaskDelim3", d.MaskDelim3);
  s.MaskSuff = text("MaskSuff", d.MaskSuff);
  s.BackupPath = lookup("BackupPath").value_or(std::string());
  for (int n = 1; n <= kMaskElements; ++n)
    s.SetMaskIdent(n, ReadInt(lookup, ("MaskIdent" + std::to_string(n)).c_str(), d.MaskIdent(n)));
  NormalizeSettings(s);
}

SettingsHive SaveHive(const SettingsHives& hives) {
  return hives.CanWrite(SettingsHive::Machine) ? SettingsHive::Machine : SettingsHive::User;
}

std::optional<std::string> ReadSetting(const SettingsHives& hives, SettingsHive first,
                                       const std::string& name) {
  const SettingsHive other = first == SettingsHive::Machine ? SettingsHive::User : SettingsHive::Machine;
  auto v = hives.Read(first, name);
  return v ? v : hives.Read(other, name);
}

SaveOutcome SaveToHives(SettingsHives& hives, const std::vector<SettingValue>& values) {
  if (hives.CanWrite(SettingsHive::Machine) && hives.Write(SettingsHive::Machine, values))
    return SaveOutcome::Machine;
  if (hives.Write(SettingsHive::User, values)) return SaveOutcome::User;
  return SaveOutcome::Failed;
}

#ifdef _WIN32

namespace {

HKEY RootOf(SettingsHive hive) {
  return hive == SettingsHive::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

std::optional<std::string> RegistryHives::Read(SettingsHive hive, const std::string& name) const {
  HKEY key = nullptr;
  if (RegOpenKeyExW(RootOf(hive), key_.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
  const std::wstring value = WideFromUtf8(name);
  DWORD type = 0, size = 0;
  std::optional<std::string> out;
  if (RegQueryValueExW(key, value.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    std::vector<BYTE> data(size + 2 * sizeof(wchar_t), 0);
    if (RegQueryValueExW(key, value.c_str(), nullptr, &type, data.data(), &size) == ERROR_SUCCESS) {
      if (type == REG_DWORD && size == sizeof(DWORD)) {
        DWORD n = 0;
        std::memcpy(&n, data.data(), sizeof n);
        out = std::to_string(static_cast<int>(n));
      } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
        std::wstring text(size / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        out = Utf8FromWide(text);
      }
    }
  }
  RegCloseKey(key);
  return out;
}

bool RegistryHives::CanWrite(SettingsHive hive) const {
  HKEY key = nullptr;
  if (RegCreateKeyExW(RootOf(hive), key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

bool RegistryHives::Write(SettingsHive hive, const std::vector<SettingValue>& values) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(RootOf(hive), key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  bool ok = true;
  for (const auto& v : values) {
    const std::wstring name = WideFromUtf8(v.name);
    LSTATUS rc;
    if (v.number) {
      const DWORD n = static_cast<DWORD>(ParseInt(v.text).value_or(0));
      rc = RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&n), sizeof n);
    } else {
      const std::wstring text = WideFromUtf8(v.text);
      rc = RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    ok = ok && rc == ERROR_SUCCESS;
  }
  RegCloseKey(key);
  return ok;
}

#endif

}  // namespace kestrin
