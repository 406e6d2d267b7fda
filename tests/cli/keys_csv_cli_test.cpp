#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_run.h"
#include "support/temp_folder.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;
using test::RunCli;

const std::string kFullCry = "container/h_full_config.cry";
const std::string kFullKey = "Склад №3/Охрана-2024:Ключ_ДОСТУП";
const std::string kOffice = "language/realistic_office_roundtrip.in";

TEST(CliKeysCsv, ExportThenImportGivesTheNormalizedText) {
  test::TempFolder dir;
  std::vector<std::vector<std::string>> inputs;
  for (const auto& entry : fs::directory_iterator(test::Fixture("language"))) {
    if (entry.path().extension() == ".in") inputs.push_back({entry.path().string()});
  }
  inputs.push_back({test::Fixture(kFullCry), "--key", kFullKey});
  for (const auto& input : inputs) {
    SCOPED_TRACE(input[0]);
    for (bool all : {false, true}) {
      auto with = [&](std::vector<std::string> args) {
        args.insert(args.begin() + 1, input.begin(), input.end());
        return args;
      };
      std::vector<std::string> exportArgs = with({"keys-export", "-o", dir / "k.csv"});
      if (all) exportArgs.push_back("--all");
      auto e = RunCli(exportArgs);
      ASSERT_EQ(e.code, 0) << e.err;
      auto i = RunCli(with({"keys-import", "--csv", dir / "k.csv", "-o", dir / "out.ini"}));
      ASSERT_EQ(i.code, 0) << i.err;
      EXPECT_EQ(i.err, "");
      auto n = RunCli(with({"normalize"}));
      ASSERT_EQ(n.code, 0);
      EXPECT_EQ(test::ReadAll(dir / "out.ini"), n.out);
    }
  }
}

TEST(CliKeysCsv, ExportToStandardOutput) {
  auto r = RunCli({"keys-export", test::Fixture(kOffice)});
  ASSERT_EQ(r.code, 0);
  EXPECT_EQ(r.out.rfind("\xEF\xBB\xBF№;Пользователь;Режим работы;Код управления;Разделы\r\n1;Директор;", 0), 0u);
  EXPECT_NE(r.out.find("\r\n4;Охрана;Патруль;************;1-4\r\n"), std::string::npos);
  auto all = RunCli({"keys-export", test::Fixture(kOffice), "--all"});
  EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 251);
  // The key may come from standard input.
  auto cry = RunCli({"keys-export", test::Fixture(kFullCry), "--key", "-"}, kFullKey + "\n");
  EXPECT_EQ(cry.code, 0) << cry.err;
}

TEST(CliKeysCsv, ContainersNeedTheRightKey) {
  test::TempFolder dir;
  const std::string csv = dir.Write("k.csv", "№;Пользователь\r\n1;Иван\r\n");
  auto e = RunCli({"keys-export", test::Fixture(kFullCry)});
  EXPECT_EQ(e.code, 2);
  EXPECT_NE(e.err.find("нужен ключ (--key)"), std::string::npos);
  EXPECT_EQ(e.out, "");
  auto i = RunCli({"keys-import", test::Fixture(kFullCry), "--csv", csv, "-o", dir / "out.ini"});
  EXPECT_EQ(i.code, 2);
  i = RunCli({"keys-import", test::Fixture(kFullCry), "--key", "чужой", "--csv", csv, "-o", dir / "out.ini"});
  EXPECT_EQ(i.code, 3);
  EXPECT_FALSE(fs::exists(dir / "out.ini"));
  i = RunCli({"keys-import", test::Fixture(kFullCry), "--key", kFullKey, "--csv", csv, "-o", dir / "out.ini"});
  EXPECT_EQ(i.code, 0) << i.err;
  EXPECT_NE(test::ReadAll(dir / "out.ini").find("ua01-" + test::W("Иван")), std::string::npos);
}

TEST(CliKeysCsv, BadRowsWriteNothing) {
  test::TempFolder dir;
  const std::string out = dir.Write("out.ini", "previous");
  const std::string csv = dir.Write("k.csv", test::W("№;Режим работы;Код управления\r\n"
                                                     "1;Патруль;0123456789AB\r\n"
                                                     "2;Дежурный;\r\n"
                                                     "3;Патруль;FFFFFFFFFFFF\r\n"));
  auto r = RunCli({"keys-import", test::Fixture(kOffice), "--csv", csv, "-o", out});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.err,
            "строка 3: режим работы \"Дежурный\" - нужен \"Постановка/Снятие\", \"Принуждение\" или \"Патруль\"\n"
            "строка 4: код управления совпадает с кодом ключа №6\n");
  EXPECT_EQ(test::ReadAll(out), "previous");
}

TEST(CliKeysCsv, ArgumentsAreChecked) {
  test::TempFolder dir;
  const std::string csv = dir.Write("k.csv", "№\r\n");
  const std::string in = test::Fixture(kOffice);
  EXPECT_EQ(RunCli({"keys-import", in, "--csv", csv}).code, 2);          // no -o
  EXPECT_EQ(RunCli({"keys-import", in, "-o", dir / "o.ini"}).code, 2);   // no --csv
  auto r = RunCli({"keys-import", in, "--csv", csv, "-o", dir / "o.cry"});
  EXPECT_EQ(r.code, 2);
  EXPECT_FALSE(fs::exists(dir / "o.cry"));
  r = RunCli({"keys-import", in, "--csv", dir / "missing.csv", "-o", dir / "o.ini"});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.err, "Ошибка открытия файла\nПроверьте наличие файла\n(" + dir / "missing.csv" + ")\n");
  EXPECT_EQ(RunCli({"keys-export"}).code, 2);
  EXPECT_EQ(RunCli({"keys-export", in, "--bogus"}).code, 2);
  auto help = RunCli({"keys-import", "--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("--csv"), std::string::npos);
}

}  // namespace
}  // namespace kestrin
