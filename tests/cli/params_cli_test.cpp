// params, and diff with one file against the defaults.
#include <gtest/gtest.h>

#include <sstream>

#include "support/cli_run.h"
#include "support/temp_folder.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

using test::RunCli;

size_t LineCount(const std::string& text) {
  size_t n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Lines of "tab, parameter, x, y" with the last two fields swapped.
std::vector<std::string> Swapped(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    const size_t third = line.find('\t', line.find('\t') + 1);
    const size_t fourth = line.find('\t', third + 1);
    lines.push_back(line.substr(0, third + 1) + line.substr(fourth + 1) + '\t' +
                    line.substr(third + 1, fourth - third - 1));
  }
  return lines;
}

TEST(CliParams, EveryParameterTheChangedOnesAndTheFindText) {
  const std::string file = test::Fixture("language/realistic_office_roundtrip.in");
  auto all = RunCli({"params", file});
  ASSERT_EQ(all.code, 0) << all.err;
  EXPECT_EQ(LineCount(all.out), 1069u);
  EXPECT_NE(all.out.find("Шлейфы\tШлейф 3: Псевдоним\tСклад Б\t\n"), std::string::npos);

  // The changed parameters are the differences from the defaults, line by line.
  auto changed = RunCli({"params", file, "--changed"});
  auto diff = RunCli({"diff", file});
  EXPECT_EQ(diff.code, 1);
  // diff names the default first.
  EXPECT_GT(LineCount(diff.out), 20u);
  EXPECT_TRUE(Swapped(changed.out) == Lines(diff.out)) << changed.out;

  auto found = RunCli({"params", file, "--find", "ШЛЕЙФ 3 ПСЕВДОНИМ"});
  EXPECT_EQ(found.out, "Шлейфы\tШлейф 3: Псевдоним\tСклад Б\t\n");
  EXPECT_EQ(RunCli({"params", test::Fixture("language/default_text_roundtrip.in"), "--changed"}).out, "");
  EXPECT_EQ(RunCli({"params"}).code, 2);
  EXPECT_EQ(RunCli({"params", file, "--find"}).code, 2);
}

TEST(CliParams, DiffOfOneFileIsDiffAgainstTheDefaultsFile) {
  test::TempFolder dir;
  const std::string defaults = dir / "defaults.ini";
  ASSERT_EQ(RunCli({"defaults", "-o", defaults}).code, 0);
  for (const char* fixture : {"language/realistic_office_roundtrip.in", "language/default_text_roundtrip.in",
                              "language/limit_examples.in", "language/key7_marked_name_code.in"}) {
    SCOPED_TRACE(fixture);
    const std::string file = test::Fixture(fixture);
    for (bool codes : {false, true}) {
      std::vector<std::string> one = {"diff", file};
      std::vector<std::string> two = {"diff", defaults, file};
      if (codes) {
        one.push_back("--show-codes");
        two.push_back("--show-codes");
      }
      auto a = RunCli(one);
      auto b = RunCli(two);
      EXPECT_EQ(a.code, b.code);
      EXPECT_EQ(a.out, b.out);
    }
  }
  EXPECT_EQ(RunCli({"diff", dir / "missing.ini"}).code, 2);
}

}  // namespace
}  // namespace kestrin
