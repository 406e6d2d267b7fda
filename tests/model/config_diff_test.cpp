#include "model/config_diff.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/test_partitions.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

using test::Set;
using test::W;

T_Command_DEVICE Defaults() {
  T_Command_DEVICE m;
  m.SetDefaults();
  return m;
}

// "tab | parameter | A | B" for compact comparisons.
std::vector<std::string> Lines(const std::vector<ConfigDifference>& diff) {
  std::vector<std::string> out;
  for (const ConfigDifference& d : diff) out.push_back(std::string(d.tabName) + " | " + d.parameter + " | " + d.valueA + " | " + d.valueB);
  return out;
}

TEST(ConfigDiff, SameConfigurationsGiveNothing) {
  T_Command_DEVICE a = Defaults();
  EXPECT_TRUE(DiffConfigurations(a, Defaults()).empty());
  // A fully set configuration against its own copy.
  for (int k = 1; k <= kKeyCount; ++k) {
    a.SetKeyName(k, W("Кассир"));
    a.SetKeyMode(k, k % 3);
    a.SetKeyCode(k, "ABC" + std::to_string(k));
  }
  a.SetLoopType(2, 1);
  a.SetLoopName(2, W("Склад"));
  T_Command_DEVICE b = a;
  EXPECT_TRUE(DiffConfigurations(a, b, {true}).empty());
}

TEST(ConfigDiff, TabsInPageOrderRowsTopToBottomWithNames) {
  T_Command_DEVICE a = Defaults();
  T_Command_DEVICE b = Defaults();
  // Changed in the reverse order of the tabs: the result must not follow it.
  b.SetKeyPartitions(7, Set({1, 2, 3, 5}));
  b.SetTamperRelayEnabled(!a.GetTamperRelayEnabled());
  b.SetRelayTime(2, 15);
  b.SetAlarmRepeats(3);
  b.SetLoopName(3, W("Склад"));
  b.SetLoopName(1, W("Вход"));
  b.SetExitDelay(5, 30);
  b.SetSirenPartitions(Set({2, 3}));
  b.SetIndicatorTime(45);
  b.SetBackupSignalMethod(1);
  b.SetLogFileEnabled(!a.GetLogFileEnabled());
  b.SetFileKey(W("Ключ-1"));
  const std::vector<std::string> expected = {
      "Общие | Ключ шифрования конфигурации |  | Ключ-1",
      std::string("Общие | разрешено ведение LOG-файла | ") + (a.GetLogFileEnabled() ? "да | нет" : "нет | да"),
      "Общие | Тип подключения входа \"резерв\" | нормально разомкнутый | нормально замкнутый",
      "Индикация | Время работы выносного индикатора | 90 | 45",
      "Индикация | Привязка сирены к разделам |  | 2-3",
      "Разделы | Раздел 5: Задержка на выход (секунды) | 90 | 30",
      "Шлейфы | Шлейф 1: Псевдоним |  | Вход",
      "Шлейфы | Шлейф 3: Псевдоним |  | Склад",
      "Шлейфы | Число повторов тревог по каждому шлейфу | Все | 3",
      "Реле | Реле 2: Время работы (сек.) | 90 | 15",
      std::string("Реле | Активация реле при нарушении тампера | ") +
          (a.GetTamperRelayEnabled() ? "да | нет" : "нет | да"),
      "Ключи | Ключ 7: Разделы | 1 | 1-3,5",
  };
  EXPECT_EQ(Lines(DiffConfigurations(a, b)), expected);
}

// Every value the tabs show differs between variant 0 and variant 1.
T_Command_DEVICE Varied(int v) {
  T_Command_DEVICE m = Defaults();
  m.SetFileKey(v ? "k1" : "k2");
  m.SetOldFileKey(v ? "o1" : "o2");
  m.SetPasswordCommand(v ? "1" : "2");
  m.SetKeyDisarmMode(v);
  m.SetEntryMessageEnabled(v);
  m.SetArmWithoutGprs(v);
  m.SetLogFileEnabled(v);
  m.SetAccelSensitivity(2 + v);
  m.SetBackupSignalMethod(v);
  m.SetIndicatorTime(60 + v);
  m.SetIndicatorPartition(2 + v);
  m.SetBuzzerVolume(1 + v);
  m.SetSirenTime(120 + v);
  m.SetSirenPartitions(v ? Set({1, 2}) : Set({4}));
  for (int i = 1; i <= 8; ++i) {
    m.SetExitDelay(i, 30 + v);
    m.SetLoopType(i, (i + v) % 2 ? 1 : 16);  // both types show a delay and a partition
    m.SetLoopDelay(i, 10 + v);
    m.SetLoopName(i, v ? "a" : "b");
    m.SetLoopPartition(i, v ? 1 : 2);
  }
  m.SetAlarmRepeats(3 + v);
  for (int r = 1; r <= 4; ++r) {
    m.SetRelayType(r, 2 * r + v);  // types 2..9 all show a time and partitions
    m.SetRelayTime(r, 30 + v);
    m.SetRelayPartitions(r, v ? Set({1}) : Set({2}));
  }
  m.SetPanicRelayEnabled(v);
  m.SetTamperRelayEnabled(v);
  for (int k = 1; k <= kKeyCount; ++k) {
    m.SetKeyName(k, v ? "a" : "b");
    m.SetKeyMode(k, (k + v) % 3);
    m.SetKeyCode(k, v ? "A" : "B");
    m.SetKeyPartitions(k, v ? Set({1}) : Set({2}));
  }
  return m;
}

TEST(ConfigDiff, EveryShownParameterOnceWhenAllDiffer) {
  const auto diff = DiffConfigurations(Varied(0), Varied(1), {true});
  std::map<std::string, int> perTab;
  std::set<std::string> names;
  for (const ConfigDifference& d : diff) {
    ++perTab[d.tabName];
    EXPECT_TRUE(names.insert(std::string(d.tabName) + "/" + d.parameter).second) << d.parameter;
    EXPECT_NE(d.valueA, d.valueB) << d.parameter;
  }
  EXPECT_EQ(perTab, (std::map<std::string, int>{{"Общие", 9},
                                                {"Индикация", 5},
                                                {"Разделы", 8},
                                                {"Шлейфы", 4 * 8 + 1},
                                                {"Реле", 3 * 4 + 2},
                                                {"Ключи", 4 * 250}}));
  EXPECT_EQ(diff.back().parameter, "Ключ 250: Разделы");
}

TEST(ConfigDiff, LocatorsNameTabControlAndGridCell) {
  T_Command_DEVICE a = Defaults();
  T_Command_DEVICE b = Defaults();
  b.SetLoopName(3, W("Склад"));
  b.SetEntryMessageEnabled(!a.GetEntryMessageEnabled());
  b.SetKeyCode(250, "12");
  b.SetSirenTime(0);
  const auto diff = DiffConfigurations(a, b);
  ASSERT_EQ(diff.size(), 4u);
  // The mode group stands on "Общие": that is the tab to go to.
  EXPECT_EQ(diff[0].locator.tab, DiffTab::Common);
  EXPECT_STREQ(diff[0].locator.tabObject, "Tab_Common");
  EXPECT_STREQ(diff[0].locator.control, "CB_Mode_EnterEnable");
  EXPECT_EQ(diff[0].locator.row, -1);
  EXPECT_STREQ(diff[1].locator.tabObject, "Tab_Indic");
  EXPECT_STREQ(diff[1].locator.control, "E_Indic_Sirena");
  EXPECT_EQ(diff[2].tab, DiffTab::Loops);
  EXPECT_EQ(static_cast<int>(diff[2].locator.tab), 4);
  EXPECT_STREQ(diff[2].locator.tabObject, "Tab_Shleifs");
  EXPECT_STREQ(diff[2].locator.control, "SG_Shleifs");
  EXPECT_EQ(diff[2].locator.row, 3);
  EXPECT_EQ(diff[2].locator.column, 3);
  EXPECT_STREQ(diff[3].locator.tabObject, "Tab_Keys");
  EXPECT_STREQ(diff[3].locator.control, "SG_Keys");
  EXPECT_EQ(diff[3].locator.row, 250);
  EXPECT_EQ(diff[3].locator.column, 3);
  EXPECT_STREQ(DiffTabName(DiffTab::Relays), "Реле");
}

TEST(ConfigDiff, KeyCodesMaskedUnlessShown) {
  T_Command_DEVICE a = Defaults();
  T_Command_DEVICE b = Defaults();
  b.SetKeyCode(1, "1234");
  a.SetKeyCode(2, "AB");  // both masked alike, still a difference
  b.SetKeyCode(2, "CD");
  a.SetKeyCode(3, "000000000000");  // shown as nothing, differs from no code
  a.SetKeyCode(4, "************");
  EXPECT_EQ(Lines(DiffConfigurations(a, b)),
            (std::vector<std::string>{"Ключи | Ключ 1: Код управления |  | ************",
                                      "Ключи | Ключ 2: Код управления | ************ | ************",
                                      "Ключи | Ключ 3: Код управления |  | ",
                                      "Ключи | Ключ 4: Код управления | ************ | "}));
  EXPECT_EQ(Lines(DiffConfigurations(a, b, {true})),
            (std::vector<std::string>{"Ключи | Ключ 1: Код управления |  | 123400000000",
                                      "Ключи | Ключ 2: Код управления | AB0000000000 | CD0000000000",
                                      "Ключи | Ключ 3: Код управления | 000000000000 | ",
                                      "Ключи | Ключ 4: Код управления | ************ | "}));
}

TEST(ConfigDiff, TypesByListTextsAndCellsAsRedrawn) {
  T_Command_DEVICE a = Defaults();
  T_Command_DEVICE b = Defaults();
  a.SetLoopType(2, 7);
  b.SetLoopType(2, 1);
  b.SetLoopDelay(2, 90);
  // A delay the type does not show, and a patrol loop's partition, are no difference.
  a.SetLoopType(4, 2);
  b.SetLoopType(4, 2);
  b.SetLoopDelay(4, 45);
  a.SetLoopType(5, 14);
  b.SetLoopType(5, 14);
  b.SetLoopPartition(5, 3);
  b.SetRelayType(1, 10);
  b.SetRelayPartitions(1, Set({2}));
  b.SetAlarmRepeats(12);  // shown as "Все", like 0
  b.SetIndicatorPartition(0);
  EXPECT_EQ(Lines(DiffConfigurations(a, b)),
            (std::vector<std::string>{
                "Индикация | Привязка выносного индикатора к разделам | раздел 1 | нет раздела",
                "Шлейфы | Шлейф 2: Тип шлейфа | не используется | охранный с задержкой",
                "Шлейфы | Шлейф 2: Задержка (сек.) |  | 90",
                "Реле | Реле 1: Тип реле | СИРЕНА-1(охрана) | ЗАМОК",
                "Реле | Реле 1: Время работы (сек.) | 90 | ",
                "Реле | Реле 1: Разделы | 1 | 2",
            }));
}

TEST(ConfigDiff, KeyNameAndModeApart) {
  T_Command_DEVICE a = Defaults();
  T_Command_DEVICE b = Defaults();
  a.SetKeyName(9, W("Кассир"));
  b.SetKeyName(9, W("Кассир"));
  b.SetKeyMode(9, 1);  // the mark changes the stored text, not the shown name
  a.SetKeyName(10, W("Охрана"));
  b.SetKeyName(10, W("Бухгалтерия"));
  EXPECT_EQ(Lines(DiffConfigurations(a, b)),
            (std::vector<std::string>{"Ключи | Ключ 9: Режим работы | Постановка/Снятие | Принуждение",
                                      "Ключи | Ключ 10: Пользователь | Охрана | Бухгалтери"}));
}

TEST(ConfigDiff, CyrillicValuesComeOutAsUtf8) {
  T_Command_DEVICE a = Defaults();
  T_Command_DEVICE b = Defaults();
  a.SetPasswordCommand("123");
  b.SetOldFileKey(W("Старый ёжик №5"));
  b.SetLoopName(8, W("ЁЖИК"));
  const auto diff = DiffConfigurations(a, b);
  ASSERT_EQ(diff.size(), 3u);
  EXPECT_EQ(diff[0].parameter, "\"Старый\" ключ (для смены ключа)");
  EXPECT_EQ(diff[0].valueB, "Старый ёжик №5");
  EXPECT_EQ(diff[1].parameter, "Пароль администратора");
  EXPECT_EQ(diff[1].valueA, "123");
  EXPECT_EQ(diff[2].valueB, "ЁЖИК");
}

}  // namespace
}  // namespace kestrin
