// Where kestrin-cfg's output goes: files given with -o, standard output, and
// the refusal of containers without their key.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <set>
#include <sstream>
#include <streambuf>

#include "cli/cli.h"
#include "files/atomic_file.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;

using test::RunCli;

const std::string kProtected =
    "Ошибка записи в файл - файл не может быть записан\nПроверьте отсутствие запрета записи\n";
const std::string kCannotCreate =
    "Ошибка записи в файл - файл не может быть создан\n"
    "Проверьте отсутствие запрета записи и наличие свободного места\n";
const std::string kStdoutFailure = "kestrin-cfg: ошибка записи в стандартный вывод\n";

std::string DefaultText() { return test::ReadAll(test::Fixture("language/default_text_roundtrip.expected")); }

std::set<std::string> Names(const test::TempFolder& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir.Root())) names.insert(e.path().filename().string());
  return names;
}

#ifndef _WIN32
mode_t ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0);
  return st.st_mode & 07777;
}

// Runs the built tool through the shell; the exit status of the tool.
int Shell(const std::string& commandLine) {
  const int status = std::system(commandLine.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Exe() { return std::string("\"") + KESTRIN_CFG_EXE + "\""; }
#endif

#ifndef _WIN32
TEST(CliOutput, KeepsThePermissionsAndFollowsLinks) {
  test::TempFolder dir;
  const std::string secret = dir.Write("secret.ini", "old");
  ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
  auto r = RunCli({"defaults", "-o", secret});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(test::ReadAll(secret), DefaultText());
  EXPECT_EQ(ModeOf(secret), 0600u);

  // normalize F -o F through a link: the file it names is rewritten.
  fs::create_symlink("secret.ini", dir.Root() / "link.ini");
  r = RunCli({"normalize", dir / "link.ini", "-o", dir / "link.ini"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(fs::is_symlink(dir.Root() / "link.ini"));
  EXPECT_EQ(test::ReadAll(secret), DefaultText());
  EXPECT_EQ(Names(dir), (std::set<std::string>{"link.ini", "secret.ini"}));
}

#endif

TEST(CliOutput, WriteProtectedTargetIsRefusedAndKept) {
  test::TempFolder dir;
  const std::string target = dir.Write("ro.ini", "kept");
  fs::permissions(target, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  auto r = RunCli({"normalize", test::Fixture("language/limit_examples.in"), "-o", target});
  EXPECT_EQ(r.code, cli::kExitBadInput);
  EXPECT_EQ(r.err, kProtected);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(test::ReadAll(target), "kept");
  EXPECT_EQ(Names(dir), std::set<std::string>{"ro.ini"});
  fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
}

TEST(CliOutput, FailedWriteKeepsThePreviousFile) {
  test::TempFolder dir;
  const std::string target = dir.Write("out.ini", "previous");
  FileFaults full;
  full.failWriteAtByte = 100;
  full.error = FaultError::NoSpace;
  auto r = RunCli({"defaults", "-o", target}, "", FileWriter(full));
  EXPECT_EQ(r.code, cli::kExitBadInput);
  EXPECT_EQ(r.err, kCannotCreate);
  EXPECT_EQ(test::ReadAll(target), "previous");
  EXPECT_EQ(Names(dir), std::set<std::string>{"out.ini"});
}

#ifndef _WIN32
TEST(CliOutput, FifoIsWrittenThrough) {
  test::TempFolder dir;
  const std::string fifo = dir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto reader = std::async(std::launch::async, [&] { return test::ReadAll(fifo); });
  auto r = RunCli({"defaults", "-o", fifo});
  if (reader.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));  // release the reader
  }
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(reader.get(), DefaultText());
  EXPECT_TRUE(fs::is_fifo(fifo));
}

#endif

// An output stream whose every write fails, as on a full disk.
class FailingBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(CliOutput, StandardOutputFailureIsOneLineAndExit2) {
  FailingBuffer buffer;
  std::ostream out(&buffer);
  std::ostringstream err;
  std::istringstream in;
  EXPECT_EQ(cli::Run({"defaults"}, out, err, in), cli::kExitBadInput);
  EXPECT_EQ(err.str(), kStdoutFailure);

  // Commands that print without checking are caught as well.
  std::ostream out2(&buffer);
  std::ostringstream err2;
  EXPECT_EQ(cli::Run({"info", test::Fixture("container/a_short_3line.cry")}, out2, err2, in),
            cli::kExitBadInput);
  EXPECT_EQ(err2.str(), kStdoutFailure);
}

#ifndef _WIN32
TEST(CliOutput, TheBuiltToolReportsAFullStandardOutput) {
  test::TempFolder dir;
  if (!fs::is_character_file("/dev/full")) GTEST_SKIP() << "no /dev/full";
  EXPECT_EQ(Shell(Exe() + " defaults > /dev/full 2> \"" + dir / "err.txt" + "\""), 2);
  EXPECT_EQ(test::ReadAll(dir / "err.txt"), kStdoutFailure);

  // -o /dev/stdout follows the shell's redirection, appending included.
  const std::string log = dir.Write("log.txt", "earlier\n");
  EXPECT_EQ(Shell(Exe() + " defaults -o /dev/stdout >> \"" + log + "\""), 0);
  EXPECT_EQ(test::ReadAll(log), "earlier\n" + DefaultText());
  EXPECT_EQ(Shell(Exe() + " defaults -o /dev/stdout | cat > \"" + dir / "piped.txt" + "\""), 0);
  EXPECT_EQ(test::ReadAll(dir / "piped.txt"), DefaultText());
}

#endif

TEST(CliContainer, EveryReaderRefusesAContainerWithoutItsKey) {
  test::TempFolder dir;
  const std::string cry = test::Fixture("container/h_full_config.cry");
  // The same container under a plain name is found by its header.
  const std::string disguised = dir.Write("site.ini", test::ReadAll(cry));
  const std::string out = dir / "out.ini";
  for (const std::string& input : {cry, disguised}) {
    SCOPED_TRACE(input);
    const std::string message = input + ": для зашифрованного файла нужен ключ (--key)\n";
    for (const char* command : {"normalize", "decrypt"}) {
      auto r = RunCli({command, input, "-o", out});
      EXPECT_EQ(r.code, cli::kExitBadInput) << command;
      EXPECT_EQ(r.err, message) << command;
      EXPECT_EQ(r.out, "");
      EXPECT_FALSE(fs::exists(out));
    }
    auto r = RunCli({"check", input});
    EXPECT_EQ(r.code, cli::kExitBadInput);
    EXPECT_EQ(r.err, message);
    EXPECT_EQ(r.out, "");
  }
  // With the key the disguised container reads as the .cry file does.
  const std::string key = "Склад №3/Охрана-2024:Ключ_ДОСТУП";
  auto viaCry = RunCli({"normalize", cry, "--key", key});
  auto viaIni = RunCli({"normalize", disguised, "--key", key});
  ASSERT_EQ(viaIni.code, 0) << viaIni.err;
  EXPECT_EQ(viaIni.out, viaCry.out);
  EXPECT_EQ(RunCli({"check", disguised, "--key", key}).code, RunCli({"check", cry, "--key", key}).code);
  // A plain file is still read without a key.
  EXPECT_EQ(RunCli({"normalize", test::Fixture("container/h_full_config.txt")}).code, 0);
}

}  // namespace
}  // namespace kestrin
