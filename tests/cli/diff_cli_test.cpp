// kestrin-cfg diff over plain files and containers.
#include <gtest/gtest.h>

#include "files/container.h"
#include "model/writer.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"
#include "support/test_cipher.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

using test::RunCli;
using test::W;

T_Command_DEVICE Base() {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetFileKey("key");
  return m;
}

T_Command_DEVICE Edited() {
  T_Command_DEVICE m = Base();
  m.SetLoopName(3, W("Склад"));
  m.SetKeyCode(2, "1234");
  return m;
}

const std::string kEditedLines =
    "Шлейфы\tШлейф 3: Псевдоним\t\tСклад\n"
    "Ключи\tКлюч 2: Код управления\t\t************\n";

// A container of the model's text under the key as typed (UTF-8).
std::string Container(const T_Command_DEVICE& m, const std::string& key) {
  test::ContainerPlan plan;
  plan.text = WriteConfigTextCrLf(m);
  return test::BuildContainer(plan, PrepareContainerKey(W(key)));
}

TEST(CliDiff, SameFilesExitZeroAndPrintNothing) {
  test::TempFolder dir;
  const std::string a = dir.Write("a.ini", WriteConfigTextCrLf(Edited()));
  const std::string b = dir.Write("b.ini", WriteConfigTextCrLf(Edited()));
  auto r = RunCli({"diff", a, b});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
}

TEST(CliDiff, DifferencesAsUtf8LinesCodesMaskedUnlessAsked) {
  test::TempFolder dir;
  const std::string a = dir.Write("a.ini", WriteConfigTextCrLf(Base()));
  const std::string b = dir.Write("b.ini", WriteConfigTextCrLf(Edited()));
  auto r = RunCli({"diff", a, b});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, kEditedLines);
  EXPECT_EQ(r.err, "");
  r = RunCli({"diff", b, a, "--show-codes"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out,
            "Шлейфы\tШлейф 3: Псевдоним\tСклад\t\n"
            "Ключи\tКлюч 2: Код управления\t123400000000\t\n");
  // A key given for plain files is not needed and changes nothing.
  EXPECT_EQ(RunCli({"diff", a, b, "--key", "x"}).out, kEditedLines);
}

TEST(CliDiff, ContainersNeedTheirKeys) {
  test::TempFolder dir;
  const std::string a = dir.Write("a.cry", Container(Base(), "Ключ-1"));
  const std::string b = dir.Write("b.cry", Container(Edited(), "Ключ-2"));
  // A container under another name is known by its header.
  const std::string hidden = dir.Write("b.ini", Container(Edited(), "Ключ-2"));
  const std::string plain = dir.Write("plain.ini", WriteConfigTextCrLf(Base()));

  for (const auto& args : std::vector<std::vector<std::string>>{
           {"diff", a, plain}, {"diff", plain, hidden}, {"diff", plain, hidden, "--key-b", ""}}) {
    auto r = RunCli(args);
    EXPECT_EQ(r.code, args.size() == 5 ? 3 : 2) << args[1] << " " << args[2];
    EXPECT_EQ(r.out, "");
    if (args.size() == 3) {
      EXPECT_NE(r.err.find("Файл зашифрован - для чтения нужен ключ\n"), std::string::npos) << r.err;
    }
  }
  auto r = RunCli({"diff", plain, hidden, "--key", "Ключ-2"});
  EXPECT_EQ(r.code, 1);
  // The key that opened the container stands in for its old key, as in the window.
  EXPECT_EQ(r.out, "Общие\t\"Старый\" ключ (для смены ключа)\t\tКлюч-2\n" + kEditedLines);

  // --key for both unless --key-b is given.
  EXPECT_EQ(RunCli({"diff", a, a, "--key", "Ключ-1"}).code, 0);
  r = RunCli({"diff", a, b, "--key", "Ключ-1"});
  EXPECT_EQ(r.code, 3);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "(текущий ключ не верный)\n(" + b + ")\n");
  EXPECT_EQ(RunCli({"diff", a, b, "--key", "Ключ-2"}).code, 3);
  r = RunCli({"diff", a, b, "--key", "Ключ-1", "--key-b", "Ключ-2"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, "Общие\t\"Старый\" ключ (для смены ключа)\tКлюч-1\tКлюч-2\n" + kEditedLines);
  // Both keys from standard input, A's first.
  r = RunCli({"diff", a, b, "--key", "-", "--key-b", "-"}, "Ключ-1\r\nКлюч-2\n");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, "Общие\t\"Старый\" ключ (для смены ключа)\tКлюч-1\tКлюч-2\n" + kEditedLines);
}

TEST(CliDiff, BadArgumentsAndMissingFiles) {
  test::TempFolder dir;
  const std::string a = dir.Write("a.ini", WriteConfigTextCrLf(Base()));
  EXPECT_EQ(RunCli({"diff"}).code, 2);
  EXPECT_EQ(RunCli({"diff", a, "--key-b", "k"}).code, 2);  // one file has no B key
  EXPECT_EQ(RunCli({"diff", a, a, a}).code, 2);
  EXPECT_EQ(RunCli({"diff", a, a, "--codes"}).code, 2);
  auto r = RunCli({"diff", a, dir / "missing.ini"});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Ошибка открытия файла\nПроверьте наличие файла\n(" + (dir / "missing.ini") + ")\n");
  r = RunCli({"diff", "--help"});
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("--show-codes"), std::string::npos);
  EXPECT_NE(RunCli({"--help"}).out.find("  diff "), std::string::npos);
}

}  // namespace
}  // namespace kestrin
