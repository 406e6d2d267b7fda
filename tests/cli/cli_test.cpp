#include "cli/cli.h"
#include "support/temp_folder.h"
#include "support/cli_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/test_text.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;

using Result = test::CliOutcome;
using test::RunCli;

using TempDir = test::TempFolder;

TEST(Cli, DefaultsIsTheDefaultText) {
  auto r = RunCli({"defaults"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, test::ReadAll(test::Fixture("language/default_text_roundtrip.expected")));
}

TEST(Cli, NormalizeReproducesTheDefaultTextByteForByte) {
  std::string path = test::Fixture("language/default_text_roundtrip.expected");
  auto r = RunCli({"normalize", path});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, test::ReadAll(path));
}

TEST(Cli, OutputFileIsReplacedAtomically) {
  TempDir dir;
  std::string target = dir / "out.ini";
  {
    std::ofstream(target) << "old";
  }
  auto r = RunCli({"normalize", test::Fixture("language/limit_examples.in"), "-o", target});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(test::ReadAll(target), test::ReadAll(test::Fixture("language/limit_examples.expected")));
  // No temporary file is left behind.
  int files = 0;
  for (auto& e : fs::directory_iterator(fs::path(target).parent_path())) files += e.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST(Cli, BadInputGivesTheOpeningErrorPairAndNoOutput) {
  TempDir dir;
  std::string target = dir / "out.ini";
  for (const std::string& input : {dir / "missing.ini", dir / ""}) {
    auto r = RunCli({"normalize", input, "-o", target});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Ошибка открытия файла\nПроверьте наличие файла"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(target));
  }
  // A file over 16 MiB is refused, the previous output stays.
  {
    std::ofstream(target) << "previous";
    std::ofstream big(dir / "big.ini", std::ios::binary);
    big.seekp(16 * 1024 * 1024);
    big.put('x');
  }
  auto r = RunCli({"normalize", dir / "big.ini", "-o", target});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(test::ReadAll(target), "previous");
}

TEST(Cli, ArgumentErrorsAndHelp) {
  EXPECT_EQ(RunCli({}).code, 2);
  EXPECT_EQ(RunCli({"frobnicate"}).code, 2);
  EXPECT_EQ(RunCli({"normalize"}).code, 2);
  EXPECT_EQ(RunCli({"normalize", "a", "b"}).code, 2);
  EXPECT_EQ(RunCli({"defaults", "--bogus"}).code, 2);
  EXPECT_EQ(RunCli({"defaults", "-o"}).code, 2);
  auto help = RunCli({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("normalize"), std::string::npos);
  auto cmdHelp = RunCli({"normalize", "--help"});
  EXPECT_EQ(cmdHelp.code, 0);
  EXPECT_NE(cmdHelp.out.find("kestrin-cfg normalize"), std::string::npos);
}

TEST(Cli, UnwritableOutputIsReportedAndNothingIsClaimed) {
  auto r = RunCli({"defaults", "-o", "/nonexistent-dir/x/out.ini"});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("Ошибка записи в файл"), std::string::npos);
}

TEST(Cli, ExecutableRunsEndToEnd) {
  TempDir dir;
  std::string out = dir / "d.ini";
  std::string cmd = "\"" + test::NativePath(KESTRIN_CFG_EXE) + "\" defaults -o \"" + out + "\"";
  ASSERT_EQ(test::RunShell(cmd), 0);
  EXPECT_EQ(test::ReadAll(out), test::ReadAll(test::Fixture("language/default_text_roundtrip.expected")));
}

}  // namespace
}  // namespace kestrin
