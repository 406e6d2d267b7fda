#include "files/settings_hives.h"

#include <gtest/gtest.h>

#include <map>

#include "files/windows_api.h"
#include "model/codec.h"

namespace kestrin {
namespace {

// Two hives in memory; either can be made read-only.
class FakeHives : public SettingsHives {
 public:
  std::optional<std::string> Read(SettingsHive hive, const std::string& name) const override {
    const auto& m = values_[Index(hive)];
    auto it = m.find(name);
    if (it == m.end()) return std::nullopt;
    return it->second;
  }
  bool CanWrite(SettingsHive hive) const override { return writable_[Index(hive)]; }
  bool Write(SettingsHive hive, const std::vector<SettingValue>& values) override {
    ++writes_[Index(hive)];
    if (!writable_[Index(hive)]) return false;
    for (const auto& v : values) values_[Index(hive)][v.name] = v.text;
    return true;
  }
  void Set(SettingsHive hive, const std::string& name, const std::string& text) { values_[Index(hive)][name] = text; }
  void Lock(SettingsHive hive) { writable_[Index(hive)] = false; }
  size_t Count(SettingsHive hive) const { return values_[Index(hive)].size(); }
  int Writes(SettingsHive hive) const { return writes_[Index(hive)]; }

 private:
  static int Index(SettingsHive h) { return h == SettingsHive::Machine ? 0 : 1; }
  std::map<std::string, std::string> values_[2];
  bool writable_[2] = {true, true};
  int writes_[2] = {0, 0};
};

ProgramSettings LoadFrom(const SettingsHives& hives) {
  ProgramSettings s;
  s.ProgramFolder = "C:\\Kestrin\\";
  const SettingsHive first = SaveHive(hives);
  ApplyStoredValues(s, [&](const std::string& name) { return ReadSetting(hives, first, name); });
  return s;
}

ProgramSettings Changed() {
  ProgramSettings s = DefaultSettings("C:\\Kestrin\\");
  s.HideHint = true;
  s.PortTM = 3;
  s.ListPathSave = "D:\\Объект №5\\";
  s.MaskPref = Utf8ToCp1251("Дом");
  s.MaskDelim2 = "";
  s.MaskIdent1 = kMaskSuffix;
  s.MaskIdent4 = kMaskEmpty;
  return s;
}

TEST(SettingsHives, AdministratorSavesMachineWideAndEveryoneReadsIt) {
  FakeHives hives;
  EXPECT_EQ(SaveToHives(hives, StoredValues(Changed())), SaveOutcome::Machine);
  EXPECT_EQ(hives.Count(SettingsHive::User), 0u);
  EXPECT_EQ(LoadFrom(hives), Changed());
  // A user without rights reads the administrator's values.
  hives.Lock(SettingsHive::Machine);
  EXPECT_EQ(LoadFrom(hives), Changed());
}

TEST(SettingsHives, WithoutRightsTheUsersHiveIsWrittenSilentlyAndWinsOnReading) {
  FakeHives hives;
  hives.Set(SettingsHive::Machine, "PortTM", "5");
  hives.Set(SettingsHive::Machine, "MaskPref", "Склад");
  hives.Lock(SettingsHive::Machine);
  EXPECT_EQ(LoadFrom(hives).PortTM, 5);
  EXPECT_EQ(LoadFrom(hives).MaskPref, Utf8ToCp1251("Склад"));

  EXPECT_EQ(SaveToHives(hives, StoredValues(Changed())), SaveOutcome::User);
  EXPECT_EQ(hives.Writes(SettingsHive::Machine), 0);  // refused without a write attempt
  EXPECT_EQ(LoadFrom(hives), Changed());              // the user's own save counts
  EXPECT_EQ(*hives.Read(SettingsHive::Machine, "PortTM"), "5");
}

TEST(SettingsHives, NeitherHiveWritableIsTheOnlyFailure) {
  FakeHives hives;
  hives.Lock(SettingsHive::Machine);
  hives.Lock(SettingsHive::User);
  EXPECT_EQ(SaveToHives(hives, StoredValues(Changed())), SaveOutcome::Failed);
  // Reading still works and gives the defaults.
  EXPECT_EQ(LoadFrom(hives), DefaultSettings("C:\\Kestrin\\"));
}

TEST(SettingsHives, StoredFormsAndHandEditedValues) {
  const auto values = StoredValues(Changed());
  ASSERT_EQ(values.size(), 14u);
  EXPECT_EQ(values[0], (SettingValue{"HideHint", "1", true}));
  EXPECT_EQ(values[2], (SettingValue{"ListPathSave", "D:\\Объект №5\\", false}));
  EXPECT_EQ(values[5], (SettingValue{"MaskPref", "Дом", false}));  // Unicode in the store

  FakeHives hives;
  hives.Set(SettingsHive::Machine, "HideHint", " TRUE ");
  hives.Set(SettingsHive::Machine, "MaskMode", "0");
  hives.Set(SettingsHive::Machine, "PortTM", "12abc");
  hives.Set(SettingsHive::Machine, "MaskIdent2", "9");
  hives.Set(SettingsHive::Machine, "MaskIdent3", "+0");
  hives.Set(SettingsHive::Machine, "MaskSuff", "..\\x:y");
  const ProgramSettings s = LoadFrom(hives);
  EXPECT_TRUE(s.HideHint);
  EXPECT_FALSE(s.MaskMode);
  EXPECT_EQ(s.PortTM, 0);
  EXPECT_EQ(s.MaskIdent2, kMaskAlias);
  EXPECT_EQ(s.MaskIdent3, kMaskEmpty);
  EXPECT_EQ(s.MaskSuff, "..xy");
  EXPECT_EQ(s.ListPathSave, "C:\\Kestrin\\");
}

TEST(SettingsHives, BackupPathIsStoredOnlyWhenSet) {
  ProgramSettings s = Changed();
  s.BackupPath = "E:\\Архив копий";
  const auto values = StoredValues(s);
  ASSERT_EQ(values.size(), 15u);
  EXPECT_EQ(values.back(), (SettingValue{"BackupPath", "E:\\Архив копий", false}));

  // An administrator's folder reaches a user whose own save never set one.
  FakeHives hives;
  hives.Set(SettingsHive::Machine, "BackupPath", "\\\\server\\копии");
  hives.Lock(SettingsHive::Machine);
  EXPECT_EQ(SaveToHives(hives, StoredValues(Changed())), SaveOutcome::User);
  EXPECT_EQ(LoadFrom(hives).BackupPath, "\\\\server\\копии");
  EXPECT_EQ(LoadFrom(FakeHives()).BackupPath, "");
}

#ifdef _WIN32
// The real registry (Wine's, in the tests): both hives, texts and numbers.
TEST(RegistryHives, WritesAndReadsBothHives) {
  const std::wstring key = L"Software\\Kamtor\\VelmarTest";
  RegistryHives hives(key);
  const auto values = StoredValues(Changed());
  for (SettingsHive hive : {SettingsHive::Machine, SettingsHive::User}) {
    ASSERT_TRUE(hives.CanWrite(hive));
    ASSERT_TRUE(hives.Write(hive, values));
    for (const auto& v : values) EXPECT_EQ(hives.Read(hive, v.name).value_or("?"), v.text) << v.name;
    EXPECT_FALSE(hives.Read(hive, "Missing").has_value());
  }
  EXPECT_EQ(SaveToHives(hives, values), SaveOutcome::Machine);
  EXPECT_EQ(LoadFrom(hives), Changed());
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
  RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
}
#endif

}  // namespace
}  // namespace kestrin
