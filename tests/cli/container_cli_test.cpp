#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "support/temp_folder.h"
#include "support/cli_run.h"
#include "files/container.h"
#include "model/text_buffer.h"
#include "support/test_cipher.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;

using test::RunCli;

std::string Cry(const std::string& name) { return test::Fixture("container/" + name + ".cry"); }

// The text as the buffer hands it on: every line followed by CR LF.
std::string AsBuffered(const std::string& bytes) {
  TextBuffer b;
  b.SetBytes(bytes);
  return b.Text();
}

using ScratchDir = test::TempFolder;

const std::string kHeaderError =
    "Ошибка контрольной сигнатуры файла конфигурации - файл не относится к устройству" + std::string(41, ' ') +
    "\"ППКОП КЕСТРИН 18кГц 8\"\nПроверьте источник файла\n";
const std::string kSizeError = "Ошибка размера файла конфигурации - файл не верный \nПроверьте источник файла\n";
const std::string kOpenError = "Ошибка открытия файла\nПроверьте наличие файла\n";

TEST(CliDecrypt, FixturesWithTheirKeys) {
  struct {
    const char* name;
    const char* key;
  } cases[] = {{"a_short_3line", "Ключ-1"},
               {"b_offset5_filler", "  пароль 42  "},
               {"b2_offset255", "Ключ-1"},
               {"c_lowercase_header_cr", "Длинный ключ на сорок знаков: 0123456789"},
               {"c2_lf_only", "7"},
               {"h_full_config", "Склад №3/Охрана-2024:Ключ_ДОСТУП"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto r = RunCli({"decrypt", Cry(c.name), "--key", c.key});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, AsBuffered(test::ReadAll(test::Fixture(std::string("container/") + c.name + ".txt"))));
  }
  // The text without a final line break gains one, as the buffer holds it.
  auto r = RunCli({"decrypt", Cry("b_offset5_filler"), "--key", "пароль 42"});
  EXPECT_EQ(r.out.substr(r.out.size() - 17), "rm1-4.90       \r\n");
}

TEST(CliDecrypt, KeyFromStandardInputAndOutputFile) {
  ScratchDir dir;
  auto r = RunCli({"decrypt", Cry("a_short_3line"), "--key", "-", "-o", dir / "out.ini"}, "Ключ-1\r\nignored\n");
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(test::ReadAll(dir / "out.ini"), test::ReadAll(test::Fixture("container/a_short_3line.txt")));
}

TEST(CliDecrypt, WrongOrBlankKeyWritesNothing) {
  ScratchDir dir;
  for (std::string key : {"Ключ-2", "", "   "}) {
    SCOPED_TRACE(key);
    auto r = RunCli({"decrypt", Cry("a_short_3line"), "--key", key, "-o", dir / "out.ini"});
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.err, "(текущий ключ не верный)\n");
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(fs::exists(dir / "out.ini"));
  }
  auto r = RunCli({"decrypt", Cry("a_short_3line"), "--key", "ключ-1"});  // letter case counts
  EXPECT_EQ(r.code, 3);
}

TEST(CliDecrypt, BadFilesAndArguments) {
  ScratchDir dir;
  auto r = RunCli({"decrypt", test::Fixture("container/a_short_3line.txt"), "--key", "x"});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.err, kHeaderError);
  EXPECT_EQ(r.out, "");

  std::string grown = test::ReadAll(Cry("a_short_3line")) + "Z";
  r = RunCli({"decrypt", dir.Write("grown.cry", grown), "--key", "Ключ-1", "-o", dir / "out.ini"});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.err, kSizeError);
  EXPECT_FALSE(fs::exists(dir / "out.ini"));

  std::string cut = test::ReadAll(Cry("a_short_3line")).substr(0, 30);
  r = RunCli({"decrypt", dir.Write("cut.cry", cut), "--key", "Ключ-1"});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.err, kSizeError);

  r = RunCli({"decrypt", dir / "missing.cry", "--key", "Ключ-1"});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.err, kOpenError);
  r = RunCli({"decrypt", dir / "", "--key", "Ключ-1"});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.err, kOpenError + std::string("(это не файл)\n"));  // the reason, as for plain files

  EXPECT_EQ(RunCli({"decrypt", Cry("a_short_3line")}).code, 2);  // no key
  EXPECT_EQ(RunCli({"decrypt", "--key", "x"}).code, 2);           // no file
  EXPECT_EQ(RunCli({"decrypt", Cry("a_short_3line"), Cry("c2_lf_only"), "--key", "7"}).code, 2);
  r = RunCli({"decrypt", "--help"});
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("kestrin-cfg decrypt ФАЙЛ --key КЛЮЧ"), std::string::npos);
}

TEST(CliNormalize, ContainerGivesTheSameTextAsItsPlainFile) {
  ScratchDir dir;
  auto plain = RunCli({"normalize", test::Fixture("container/h_full_config.txt")});
  ASSERT_EQ(plain.code, 0);
  // Extension in any letter case routes to the container reader.
  std::string upper = dir.Write("CONFIG.CRY", test::ReadAll(Cry("h_full_config")));
  auto r = RunCli({"normalize", upper, "--key", "Склад №3/Охрана-2024:Ключ_ДОСТУП"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, plain.out);

  r = RunCli({"normalize", upper, "--key", "Склад №3/Охрана-2024:Ключ_ДОСТУп"});
  EXPECT_EQ(r.code, 3);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "(текущий ключ не верный)\n");
}

TEST(CliInfo, AliasAndIdentifierPerFile) {
  auto r = RunCli({"info", Cry("a_short_3line"), Cry("c_lowercase_header_cr"), Cry("h_full_config")});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, Cry("a_short_3line") + "\tСклад-3\t0004-A3B1-C2D5\n" + Cry("c_lowercase_header_cr") +
                       "\t\t0000-0000-0000\n" + Cry("h_full_config") + "\tОбъект 101\t3F2A-0C91-B7E4\n");

  ScratchDir dir;
  const std::string txt = test::Fixture("container/a_short_3line.txt");
  r = RunCli({"info", Cry("c2_lf_only"), txt});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, Cry("c2_lf_only") + "\tGate#2\t1234-5678-90AB\n" + txt +
                       "\tне является контейнером ППКОП Кестрин 18кГц 8\n");

  // A header whose plain fields are cut short is no usable container.
  std::string shortFile = dir.Write("short.cry", test::ReadAll(Cry("c2_lf_only")).substr(0, 30));
  r = RunCli({"info", shortFile});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out.rfind(shortFile + "\t", 0), 0u);
  EXPECT_EQ(r.out.find("не является"), std::string::npos);

  // An unreadable file outranks a plain one; every file still gets its line.
  r = RunCli({"info", txt, dir / "missing.cry", Cry("c2_lf_only")});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
  EXPECT_NE(r.out.find(dir / "missing.cry" + "\tошибка открытия файла\n"), std::string::npos);

  EXPECT_EQ(RunCli({"info"}).code, 2);
  EXPECT_EQ(RunCli({"info", "--help"}).code, 0);
}

TEST(CliInfo, BuiltContainerWithOddFields) {
  ScratchDir dir;
  test::ContainerPlan plan;
  plan.header = test::W("   ппкоп кестрин 18кгц 8 ");
  plan.lineBreak = "\r\r\n\n";
  plan.alias = test::W("  Пост №1  ");
  plan.alias.resize(10);
  plan.identifier = "12ab G-3456";
  plan.identifier.resize(12, 'z');
  plan.text = "fe\r\n";
  auto r = RunCli({"info", dir.Write("odd.cry", test::BuildContainer(plan, PrepareContainerKey("k")))});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, dir / "odd.cry" + "\t  Пост №1\t12ab-???3-456?\n");
}

}  // namespace
}  // namespace kestrin
