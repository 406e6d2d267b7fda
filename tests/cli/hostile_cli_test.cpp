// kestrin-cfg given what a careless or hostile user gives it: keys on
// standard input without end, the output naming the container, unreadable
// files and folders, names with line ends, huge files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>

#include "files/container.h"
#include "model/writer.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"
#include "support/test_text.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kestrin {
namespace {

namespace fs = std::filesystem;
using test::RunCli;

const char kKey[] = "Ключ-1";  // opens container/a_short_3line.cry

[[maybe_unused]] std::string FirstLine(const std::string& s) { return s.substr(0, s.find('\n')); }

std::vector<std::string> Lines(const std::string& s) {
  std::vector<std::string> v;
  std::istringstream in(s);
  for (std::string line; std::getline(in, line);) v.push_back(line);
  return v;
}

[[maybe_unused]] size_t Tabs(const std::string& line) { return static_cast<size_t>(std::count(line.begin(), line.end(), '\t')); }

class HostileCli : public ::testing::Test {
 protected:
  std::string Container(const std::string& name) const {
    return dir.Write(name, test::ReadAll(test::Fixture("container/a_short_3line.cry")));
  }
  test::TempFolder dir;
};

// A key read from standard input is one line of at most 4096 bytes without a
// NUL byte; anything else stops at once with exit 2 (it used to read on
// without end: /dev/zero never ended).
TEST_F(HostileCli, KeyFromStandardInputIsOneBoundedLine) {
  const std::string cry = Container("site.cry");
  struct Row {
    const char* what;
    std::string input;
    int code;
  };
  const Row rows[] = {
      {"the key and LF", std::string(kKey) + "\n", 0},
      {"the key and CR LF, then more", std::string(kKey) + "\r\nignored", 0},
      {"the key without a line end", kKey, 0},
      {"NUL bytes (/dev/zero)", std::string(1 << 20, '\0'), 2},
      {"a key after a NUL", std::string("\0", 1) + kKey + "\n", 2},
      {"a line of 4097 bytes", std::string(4097, 'k') + "\n", 2},
      {"a megabyte without a line end", std::string(1 << 20, 'k'), 2},
  };
  for (const Row& row : rows) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"decrypt", cry, "--key", "-"}, {"normalize", cry, "--key", "-"},
          {"diff", cry, cry, "--key", "-", "--key-b", kKey}}) {
      const auto r = RunCli(args, row.input);
      EXPECT_EQ(r.code, row.code) << row.what << " " << args[0] << r.err;
      if (row.code == 2) {
        EXPECT_NE(r.err.find("kestrin-cfg: ключ --key из стандартного ввода"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
      }
    }
  }
  // A 4096-byte line is still a key (a wrong one here).
  EXPECT_EQ(RunCli({"decrypt", cry, "--key", "-"}, std::string(4096, 'k')).code, 3);
}

// -o naming the container itself, also through a link or another spelling of
// the path, is refused before anything is written; a plain file may still be
// normalized onto itself.
TEST_F(HostileCli, OutputOverTheContainerIsRefused) {
  const std::string cry = Container("site.cry");
  const std::string original = test::ReadAll(cry);
#ifndef _WIN32
  fs::create_symlink(dir.Root() / "site.cry", dir.Root() / "link.ini");
#endif
  const std::string viaDot = dir.Str() + "/./site.cry";
  // A container without the extension, told by its header.
  const std::string hidden = Container("hidden.ini");
  struct Row {
    std::vector<std::string> args;
    std::string target;
  };
  const Row rows[] = {
      {{"decrypt", cry, "--key", kKey, "-o", cry}, cry},
#ifndef _WIN32
      {{"decrypt", cry, "--key", kKey, "-o", dir / "link.ini"}, cry},
#endif
      {{"decrypt", cry, "--key", kKey, "-o", viaDot}, cry},
      {{"normalize", cry, "--key", kKey, "-o", cry}, cry},
      {{"normalize", hidden, "--key", kKey, "-o", hidden}, hidden},
      {{"keys-export", cry, "--key", kKey, "-o", cry}, cry},
  };
  for (const Row& row : rows) {
    const std::string before = test::ReadAll(row.target);
    const auto r = RunCli(row.args);
    EXPECT_EQ(r.code, 2) << row.args[0] << " -o " << row.args.back();
    EXPECT_NE(r.err.find("это сам зашифрованный контейнер"), std::string::npos) << r.err;
    EXPECT_EQ(test::ReadAll(row.target), before) << row.args.back();
  }
  EXPECT_EQ(test::ReadAll(cry), original);
#ifndef _WIN32
  EXPECT_TRUE(fs::is_symlink(dir.Root() / "link.ini"));
#endif

  const std::string plain = dir.Write("plain.ini", "st-120\r\n");
  EXPECT_EQ(RunCli({"normalize", plain, "-o", plain}).code, 0);
  EXPECT_NE(test::ReadAll(plain).find("st-120"), std::string::npos);
}

// "--" ends the options: what follows is a file even when it starts with "-".
TEST_F(HostileCli, DoubleDashEndsTheOptions) {
  const fs::path before = fs::current_path();
  fs::current_path(dir.Root());
  dir.Write("-site.ini", "st-120\r\n");
  dir.Write("--help", "st-130\r\n");
  const auto check = RunCli({"check", "--", "-site.ini"});
  const auto normalize = RunCli({"normalize", "--", "--help"});
  const auto refused = RunCli({"check", "-site.ini"});
  fs::current_path(before);
  EXPECT_NE(check.code, 2) << check.err;  // read and judged
  EXPECT_EQ(check.err, "");
  EXPECT_EQ(normalize.code, 0) << normalize.err;
  EXPECT_NE(normalize.out.find("st-130"), std::string::npos);
  EXPECT_EQ(refused.code, 2);  // without "--" still an unknown option
}

#ifndef _WIN32
// A file name with a TAB or a line end stays in its one row and column: both
// become spaces, as inside diff's values. (Windows names hold neither.)
TEST_F(HostileCli, NamesWithTabsAndLineEndsStayOneRow) {
  T_Command_DEVICE bad;
  bad.SetDefaults();
  bad.SetFileKey("key");
  bad.SetKeyCode(4, "123412341234");
  bad.SetKeyCode(9, "123412341234");
  const std::string odd = "a\tb\nc\rd.ini";
  const std::string path = dir.Write(odd, WriteConfigTextCrLf(bad));
  Container("x\ty\nz.cry");

  const auto check = RunCli({"check", path});
  EXPECT_EQ(check.code, 1);
  ASSERT_FALSE(check.out.empty());
  for (const std::string& line : Lines(check.out)) {
    EXPECT_EQ(Tabs(line), 4u) << line;
    EXPECT_EQ(line.rfind(dir.Str() + "/a b c d.ini\t", 0), 0u) << line;
  }

  const auto list = RunCli({"list", dir.Str(), "--sort", "file"});
  EXPECT_EQ(list.code, 0);
  const auto rows = Lines(list.out);
  ASSERT_EQ(rows.size(), 2u) << list.out;
  for (const std::string& line : rows) EXPECT_EQ(Tabs(line), 3u) << line;
  EXPECT_EQ(rows[0].substr(rows[0].rfind('\t') + 1), "a b c d.ini");
  EXPECT_EQ(rows[1].substr(rows[1].rfind('\t') + 1), "x y z.cry");

  const auto info = RunCli({"info", dir / "x\ty\nz.cry"});
  ASSERT_EQ(Lines(info.out).size(), 1u) << info.out;
  EXPECT_EQ(Tabs(info.out), 2u);
}
#endif

// The keys table over the size cap is refused with the size as its reason.
TEST_F(HostileCli, OversizedKeysTableNamesTheSize) {
  const std::string ini = dir.Write("site.ini", "st-120\r\n");
  const std::string csv = dir.Write("keys.csv", std::string(16u * 1024u * 1024u + 1u, '\n'));
  const auto r = RunCli({"keys-import", ini, "--csv", csv, "-o", dir / "out.ini"});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(Lines(r.err), (std::vector<std::string>{"Ошибка открытия файла", "Проверьте наличие файла",
                                                     "(файл больше 16 МБ)", "(" + csv + ")"}));
  EXPECT_FALSE(fs::exists(dir.Root() / "out.ini"));
}

#ifndef _WIN32

// Runs work as an ordinary user (the superuser reads a file of mode 000, so a
// test running as root drops to "nobody" in a child), returning its text.
// Empty optional: no unprivileged user to run as.
std::optional<std::string> Unprivileged(const std::function<std::string()>& work) {
  if (::geteuid() != 0) return work();
  int fds[2];
  if (::pipe(fds) != 0) return std::nullopt;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
    const std::string text = work();
    const bool sent = ::write(fds[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::_exit(sent ? 0 : 1);
  }
  ::close(fds[1]);
  std::string text;
  char buf[4096];
  for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) text.append(buf, static_cast<size_t>(n));
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return text;
}

// A container without read permission is a file that cannot be opened, for
// every command that reads one (it used to fail the signature test after the
// key was taken); a folder that cannot be read is said to be so.
TEST_F(HostileCli, UnreadableFilesAndFoldersGetTheOpeningFailure) {
  fs::permissions(dir.Root(), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  const std::string cry = Container("locked.cry");
  const std::string ini = dir.Write("open.ini", "st-120\r\n");
  const std::string csv = dir.Write("keys.csv", "№;Пользователь\r\n");
  fs::permissions(cry, fs::perms::none);
  fs::create_directory(dir.Root() / "closed");
  fs::permissions(dir.Root() / "closed", fs::perms::none);
  fs::permissions(ini, fs::perms::owner_all | fs::perms::others_read);
  fs::permissions(csv, fs::perms::owner_all | fs::perms::others_read);
  const std::string out = "/dev/null";
  const std::vector<std::vector<std::string>> commands = {
      {"decrypt", cry, "--key", kKey},
      {"normalize", cry, "--key", kKey},
      {"check", cry, "--key", kKey},
      {"diff", cry, ini, "--key", kKey},
      {"diff", ini, cry, "--key", kKey},
      {"keys-export", cry, "--key", kKey},
      {"keys-import", cry, "--key", kKey, "--csv", csv, "-o", dir / "new.ini"},
      // Without a key the file is still judged unreadable first.
      {"decrypt", cry},
      {"normalize", cry},
  };
  const auto text = Unprivileged([&] {
    std::string all;
    for (const auto& args : commands) {
      const auto r = RunCli(args);
      all += std::to_string(r.code) + " " + FirstLine(r.err) + "\n";
    }
    const auto list = RunCli({"list", dir / "closed"});
    all += std::to_string(list.code) + " " + FirstLine(list.err) + "\n";
    return all;
  });
  fs::permissions(dir.Root() / "closed", fs::perms::owner_all);
  if (!text) GTEST_SKIP() << "no unprivileged user to run as";
  const auto lines = Lines(*text);
  ASSERT_EQ(lines.size(), commands.size() + 1);
  for (size_t i = 0; i < commands.size(); ++i) {
    EXPECT_EQ(lines[i], "2 Ошибка открытия файла") << commands[i][0] << " " << commands[i][1];
  }
  EXPECT_EQ(lines.back(), "2 Папка не читается: " + (dir / "closed"));
}

// Peak resident memory of the in-process command in a child, in MiB.
double PeakMiBOf(const std::vector<std::string>& args) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const auto r = RunCli(args);
    ::_exit(r.code == 0 || r.code == 1 ? 0 : 1);
  }
  int status = 0;
  rusage usage{};
  ::wait4(pid, &status, 0, &usage);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << args[0];
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

#if defined(__SANITIZE_ADDRESS__)
#define KESTRIN_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTRIN_SANITIZED 1
#endif
#endif

// Files just under the cap read in little more than their own size (16 MiB
// of line ends took 587 MB, a keys table of empty lines 950 MB).
TEST_F(HostileCli, WorstFilesWithinTheCapReadInBoundedMemory) {
#ifdef KESTRIN_SANITIZED
  GTEST_SKIP() << "the sanitizers' shadow memory hides the figure";
#endif
  const size_t size = 16u * 1024u * 1024u - 16u;
  const std::string lf = dir.Write("lf.ini", std::string(size, '\n'));
  const std::string cr = dir.Write("cr.ini", std::string(size, '\r'));
  const std::string csv = dir.Write("empty.csv", "№;Пользователь" + std::string(size - 32, '\n'));
  const std::string ini = dir.Write("site.ini", "st-120\r\n");
  const double base = PeakMiBOf({"normalize", ini, "-o", "/dev/null"});
  const double inputMiB = static_cast<double>(size) / (1024.0 * 1024.0);
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"normalize", lf, "-o", "/dev/null"},
           {"normalize", cr, "-o", "/dev/null"},
           {"check", lf},
           {"keys-import", ini, "--csv", csv, "-o", dir / "out.ini"}}) {
    EXPECT_LT(PeakMiBOf(args) - base, inputMiB + 50.0) << args[0] << " " << args[1];
  }
}

#endif

}  // namespace
}  // namespace kestrin
