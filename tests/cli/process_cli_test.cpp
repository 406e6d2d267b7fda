// The real kestrin-cfg executable started through the shell, with Cyrillic
// paths and keys: on Windows they must arrive through the UTF-16 command line
// and the redirected output must be the same bytes as on Linux.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_run.h"
#include "support/temp_folder.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

using test::NativePath;
using test::RunShell;

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

const char kKey[] = "Склад №3/Охрана-2024:Ключ_ДОСТУП";

class ProcessCli : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = root / "Объект №3";
    std::filesystem::create_directory(std::filesystem::path(std::u8string(folder.begin(), folder.end())));
    cry = NativePath(root.Write("Объект №3/склад.cry", test::ReadAll(test::Fixture("container/h_full_config.cry"))));
  }
  std::string Exe() const { return Quoted(NativePath(KESTRIN_CFG_EXE)); }

  test::TempFolder root;
  std::string folder, cry;
};

TEST_F(ProcessCli, CyrillicPathAndKeyOpenTheContainer) {
  const std::string out = folder + "/вывод.ini";
  ASSERT_EQ(RunShell(Exe() + " decrypt " + Quoted(cry) + " --key \"" + kKey + "\" -o " + Quoted(out)), 0);
  const auto inProcess = test::RunCli({"decrypt", cry, "--key", kKey});
  ASSERT_EQ(inProcess.code, 0);
  EXPECT_EQ(test::ReadAll(out), inProcess.out);
}

TEST_F(ProcessCli, RedirectedMessagesAreUtf8Bytes) {
  const std::string out = root / "info.txt";
  ASSERT_EQ(RunShell(Exe() + " info " + Quoted(cry) + " > " + Quoted(out)), 0);
  EXPECT_EQ(test::ReadAll(out), test::RunCli({"info", cry}).out);

  const std::string err = root / "ошибка.txt";
  EXPECT_EQ(RunShell(Exe() + " decrypt " + Quoted(cry) + " --key \"не тот\" 2> " + Quoted(err)), 3);
  const auto inProcess = test::RunCli({"decrypt", cry, "--key", "не тот"});
  EXPECT_EQ(inProcess.code, 3);
  EXPECT_FALSE(inProcess.err.empty());
  EXPECT_EQ(test::ReadAll(err), inProcess.err);
}

}  // namespace
}  // namespace kestrin
