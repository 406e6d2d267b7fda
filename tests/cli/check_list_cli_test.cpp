// kestrin-cfg check and list over folders of good and bad files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "cli/cli.h"
#include "support/temp_folder.h"
#include "support/cli_run.h"
#include "files/container.h"
#include "model/writer.h"
#include "support/test_cipher.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;

using Result = test::CliOutcome;
using test::RunCli;

using Folder = test::TempFolder;

T_Command_DEVICE Good() {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetFileKey("key");
  return m;
}

std::vector<std::string> Lines(const std::string& s) {
  std::vector<std::string> v;
  std::istringstream in(s);
  for (std::string line; std::getline(in, line);) v.push_back(line);
  return v;
}

TEST(CliCheck, GoodAndBadFiles) {
  Folder dir;
  const std::string good = dir.Put("good.ini", WriteConfigTextCrLf(Good()));
  // Out-of-range numbers never survive the reader; these rules do.
  T_Command_DEVICE bad = Good();
  bad.SetLoopType(2, 1);
  bad.SetLoopDelay(2, 0);
  bad.SetKeyCode(4, "123412341234");
  bad.SetKeyCode(9, "123412341234");
  bad.SetPasswordCommand("12");
  const std::string badPath = dir.Put("bad.ini", WriteConfigTextCrLf(bad));

  auto ok = RunCli({"check", good});
  EXPECT_EQ(ok.code, 0);
  EXPECT_EQ(ok.out, "");

  auto r = RunCli({"check", good, badPath});
  EXPECT_EQ(r.code, 1);
  auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 4u) << r.out;
  EXPECT_EQ(lines[0], badPath + "\tШлейфы\tшлейф 2\tНедопустимая величина времени задержки сработки по шлейфу.\t"
                                "Задержка сработки по шлейфу может быть задана в диапазоне 1..180 секунд");
  EXPECT_EQ(lines[1], badPath + "\tКлючи\tключ 4\tДля двух или более пользователей заданы одинаковые коды "
                                "управления\tСледует удалить дублирующиеся коды управления");
  EXPECT_NE(lines[2].find("\tключ 9\t"), std::string::npos);
  EXPECT_NE(lines[3].find("Пароль администратора должен иметь длину 5 символов"), std::string::npos);

  // Report-only: the file on disk is untouched.
  EXPECT_EQ(test::ReadAll(badPath), WriteConfigTextCrLf(bad));
}

TEST(CliCheck, UnreadableFileWinsButOthersAreStillChecked) {
  Folder dir;
  T_Command_DEVICE bad = Good();
  bad.SetFileKey("");
  const std::string badPath = dir.Put("nokey.ini", WriteConfigTextCrLf(bad));
  auto r = RunCli({"check", dir.Str() + "/missing.ini", badPath});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.out.find("Не задан ключ шифрования файла конфигурации"), std::string::npos);
  EXPECT_NE(r.err.find("Ошибка открытия файла"), std::string::npos);

  EXPECT_EQ(RunCli({"check"}).code, 2);
}

TEST(CliCheck, ContainerNeedsTheKeyWhichAlsoCompletesTheFileKey) {
  Folder dir;
  T_Command_DEVICE noKey = Good();
  noKey.SetFileKey("");
  test::ContainerPlan plan;
  plan.text = WriteConfigTextCrLf(noKey);
  const std::string path =
      dir.Put("panel.cry", test::BuildContainer(plan, PrepareContainerKey("secret")));

  EXPECT_EQ(RunCli({"check", path}).code, 2);
  // The key that opens a container stands in for the missing file key.
  auto r = RunCli({"check", path, "--key", "secret"});
  EXPECT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_EQ(RunCli({"check", path, "--key", "-"}, "secret\n").code, 0);
  EXPECT_EQ(RunCli({"check", path, "--key", "wrong"}).code, 3);
}

TEST(CliList, RowsOfBothKindsAndSorting) {
  Folder dir;
  dir.Put("b.ini", WriteConfigTextCrLf(Good()));
  test::ContainerPlan plan;
  plan.alias = test::W("Склад     ");
  plan.identifier = "ABCDEF012345";
  plan.text = WriteConfigTextCrLf(Good());
  dir.Put("a.CRY", test::BuildContainer(plan, PrepareContainerKey("k")));
  dir.Put("junk.cry", "not a container at all, long enough to hold the fields");
  dir.Put("readme.txt", "x");

  auto r = RunCli({"list", dir.Str()});
  EXPECT_EQ(r.code, 0) << r.err;
  auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "ini\t\t\tb.ini");  // plain files come first

  r = RunCli({"list", dir.Str(), "--sort", "file"});
  lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "cry\tСклад\tABCD-EF01-2345\ta.CRY");
  EXPECT_EQ(lines[1], "ini\t\t\tb.ini");
  EXPECT_EQ(lines[2], "cry\t\t0000-0000-0000\tjunk.cry");

  r = RunCli({"list", dir.Str(), "--sort", "0", "--reverse"});
  lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2], "ini\t\t\tb.ini");

  EXPECT_EQ(RunCli({"list", dir.Str(), "--sort", "size"}).code, 2);
  EXPECT_EQ(RunCli({"list", dir.Str() + "/none"}).code, 2);
}

}  // namespace
}  // namespace kestrin
