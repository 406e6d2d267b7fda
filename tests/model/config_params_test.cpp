// The list of every parameter: the same walk as the comparison, the changed
// filter and the find text.
#include <gtest/gtest.h>

#include "model/config_diff.h"
#include "model/reader.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

using test::W;

T_Command_DEVICE Defaults() {
  T_Command_DEVICE m;
  m.SetDefaults();
  return m;
}

T_Command_DEVICE Realistic() {
  T_Command_DEVICE m;
  LoadConfigText(test::ReadAll(test::Fixture("language/realistic_office_roundtrip.in")), m);
  m.SetKeyName(9, W("Ёлкин"));
  return m;
}

TEST(ConfigParams, EveryParameterOnceAndTheChangedOnesAreTheComparison) {
  const std::vector<ConfigParameter> defaults = ListParameters(Defaults());
  EXPECT_EQ(defaults.size(), 9u + 5 + 8 + 4 * 8 + 1 + 3 * 4 + 2 + 4 * 250);
  for (const ConfigParameter& p : defaults) {
    EXPECT_FALSE(p.changed) << p.parameter;
    EXPECT_EQ(p.value, p.defaultValue) << p.parameter;
  }

  // The realistic file: the same parameters in the same order, and the
  // changed ones are exactly what the comparison with the defaults lists.
  for (bool showCodes : {false, true}) {
    const std::vector<ConfigParameter> list = ListParameters(Realistic(), {showCodes});
    ASSERT_EQ(list.size(), defaults.size());
    std::vector<ConfigDifference> diff = DiffConfigurations(Realistic(), Defaults(), {showCodes});
    ASSERT_GT(diff.size(), 20u);
    size_t next = 0;
    for (size_t i = 0; i < list.size(); ++i) {
      EXPECT_EQ(list[i].parameter, defaults[i].parameter);
      EXPECT_EQ(list[i].locator.control, defaults[i].locator.control);
      if (!list[i].changed) continue;
      ASSERT_LT(next, diff.size()) << list[i].parameter;
      EXPECT_EQ(list[i].parameter, diff[next].parameter);
      EXPECT_EQ(list[i].value, diff[next].valueA);
      EXPECT_EQ(list[i].defaultValue, diff[next].valueB);
      EXPECT_EQ(list[i].locator.row, diff[next].locator.row);
      ++next;
    }
    EXPECT_EQ(next, diff.size());
  }
}

TEST(ConfigParams, FindTextMatchesEveryWordInTabNameOrValue) {
  const std::vector<ConfigParameter> list = ListParameters(Realistic());
  struct Row {
    const char* find;
    std::vector<std::string> expected;  // parameter names; empty: count only
    size_t count;
  };
  const Row rows[] = {
      {"", {}, list.size()},
      {"   ", {}, list.size()},
      {"ШЛЕЙФ 5 псевдоним", {"Шлейф 5: Псевдоним"}, 1},
      {"склад", {"Шлейф 3: Псевдоним"}, 1},              // by the value
      {"реле время", {}, 4},                               // tab and name
      {"ёлкин", {"Ключ 9: Пользователь"}, 1},            // "Ё" ignores case too
      {"ЁЛК", {"Ключ 9: Пользователь"}, 1},
      {"шлейф ☃", {}, 0},                                  // not in the code page
      {"шлейф нетакого", {}, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.find);
    const ParameterFilter filter(row.find);
    std::vector<std::string> found;
    for (const ConfigParameter& p : list) {
      if (filter.Matches(p)) found.push_back(p.parameter);
    }
    EXPECT_EQ(found.size(), row.count);
    if (!row.expected.empty()) {
      EXPECT_EQ(found, row.expected);
    }
  }
}

}  // namespace
}  // namespace kestrin
