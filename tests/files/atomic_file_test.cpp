#include "files/atomic_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include <chrono>
#include <filesystem>
#include <future>
#include <set>

#include "files/workflow.h"
#include "support/temp_folder.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;

std::set<std::string> Names(const test::TempFolder& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir.Root())) {
    const std::u8string name = e.path().filename().u8string();
    names.insert(std::string(name.begin(), name.end()));
  }
  return names;
}

fs::path PathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

void RemoveWritePermission(const std::string& utf8) {
  fs::permissions(PathOf(utf8), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

// What every platform promises: Cyrillic names, a replaced text, a
// read-only file refused and left alone, no temporary file left over.
TEST(ReplaceFile, ReplacesUnderCyrillicNamesAndRefusesReadOnlyFiles) {
  test::TempFolder dir;
  fs::create_directory(dir.Root() / fs::path(u8"Объекты"));
  const std::string target = dir / "Объекты/Касса №2.ini";
  ASSERT_EQ(ReplaceFile(target, "first"), WriteResult::Ok);
  ASSERT_EQ(ReplaceFile(target, "second text"), WriteResult::Ok);
  EXPECT_EQ(test::ReadAll(target), "second text");

  RemoveWritePermission(target);
  EXPECT_EQ(ReplaceFile(target, "third"), WriteResult::WriteProtected);
  EXPECT_EQ(test::ReadAll(target), "second text");
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(PathOf(dir / "Объекты"))) {
    const std::u8string name = e.path().filename().u8string();
    names.insert(std::string(name.begin(), name.end()));
  }
  EXPECT_EQ(names, std::set<std::string>{"Касса №2.ini"});
  fs::permissions(PathOf(target), fs::perms::owner_write, fs::perm_options::add);
}

TEST(ReplaceFile, InjectedFailuresKeepTheOldTextOnEveryPlatform) {
  for (bool rename : {false, true}) {
    SCOPED_TRACE(rename ? "rename" : "write at byte 2");
    test::TempFolder dir;
    const std::string target = dir.Write("config.ini", "the old configuration");
    FileFaults f;
    if (rename) f.failRename = true; else f.failWriteAtByte = 2;
    const FileWriter writer(f);
    EXPECT_NE(writer.Replace(target, "a new configuration text"), WriteResult::Ok);
    EXPECT_EQ(test::ReadAll(target), "the old configuration");
    EXPECT_EQ(Names(dir), std::set<std::string>{"config.ini"});
  }
}

// Faults belong to the writer given them: a writer without faults, used
// between its calls, replaces as usual; a copy keeps them.
TEST(ReplaceFile, FaultsStayWithTheirWriter) {
  test::TempFolder dir;
  const std::string target = dir.Write("config.ini", "old");
  FileFaults f;
  f.failRename = true;
  const FileWriter faulty(f);
  const FileWriter plain;
  EXPECT_EQ(faulty.Replace(target, "faulty"), WriteResult::CannotWrite);
  EXPECT_EQ(plain.Replace(target, "plain"), WriteResult::Ok);
  EXPECT_EQ(test::ReadAll(target), "plain");
  const FileWriter copy = faulty;
  EXPECT_EQ(copy.Replace(target, "copy"), WriteResult::CannotWrite);
  EXPECT_EQ(ReplaceFile(target, "free"), WriteResult::Ok);
  EXPECT_EQ(test::ReadAll(target), "free");
  EXPECT_EQ(Names(dir), std::set<std::string>{"config.ini"});
}

#ifndef _WIN32

struct stat StatOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st;
}

mode_t ModeOf(const std::string& path) { return StatOf(path).st_mode & 07777; }

class UmaskScope {
 public:
  explicit UmaskScope(mode_t mask) : old_(::umask(mask)) {}
  ~UmaskScope() { ::umask(old_); }

 private:
  mode_t old_;
};

TEST(ReplaceFile, NewFileGetsTheDefaultPermissions) {
  test::TempFolder dir;
  UmaskScope mask(027);
  ASSERT_EQ(ReplaceFile(dir / "new.ini", "text"), WriteResult::Ok);
  EXPECT_EQ(test::ReadAll(dir / "new.ini"), "text");
  EXPECT_EQ(ModeOf(dir / "new.ini"), 0640u);
  EXPECT_EQ(Names(dir), std::set<std::string>{"new.ini"});

  EXPECT_EQ(ReplaceFile(dir / "no-folder/x.ini", "text"), WriteResult::CannotCreate);
  EXPECT_EQ(ReplaceFile("", "text"), WriteResult::CannotCreate);
}

TEST(ReplaceFile, ReplacesAndKeepsPermissionsAndOwner) {
  test::TempFolder dir;
  const std::string target = dir.Write("secret.ini", "old text, longer than the new one");
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(target.c_str(), 1234, 5678), 0);
  }
  const ino_t before = StatOf(target).st_ino;

  UmaskScope mask(022);
  ASSERT_EQ(ReplaceFile(target, "new"), WriteResult::Ok);
  EXPECT_EQ(test::ReadAll(target), "new");
  const struct stat st = StatOf(target);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_NE(st.st_ino, before) << "replaced by a rename, not rewritten in place";
  if (root) {
    EXPECT_EQ(st.st_uid, 1234u);
    EXPECT_EQ(st.st_gid, 5678u);
  }
  EXPECT_EQ(Names(dir), std::set<std::string>{"secret.ini"});
}

TEST(ReplaceFile, WriteProtectedTargetIsRefusedEvenForTheSuperuser) {
  test::TempFolder dir;
  const std::string target = dir.Write("ro.ini", "old");
  ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
  EXPECT_EQ(ReplaceFile(target, "new"), WriteResult::WriteProtected);
  EXPECT_EQ(test::ReadAll(target), "old");
  EXPECT_EQ(ModeOf(target), 0444u);
  EXPECT_EQ(Names(dir), std::set<std::string>{"ro.ini"});

  const MessagePair& pair = WriteFailurePair(WriteResult::WriteProtected);
  EXPECT_STREQ(pair.message, "Ошибка записи в файл - файл не может быть записан");
  EXPECT_STREQ(pair.recommendation, "Проверьте отсутствие запрета записи");
  EXPECT_STREQ(WriteFailurePair(WriteResult::CannotWrite).message, pair.message);
  EXPECT_STREQ(WriteFailurePair(WriteResult::CannotCreate).message,
               "Ошибка записи в файл - файл не может быть создан");

  fs::create_directory(dir.Root() / "folder");
  EXPECT_EQ(ReplaceFile(dir / "folder", "new"), WriteResult::CannotWrite);
}

TEST(ReplaceFile, LinksAreFollowedAndStayLinks) {
  test::TempFolder dir;
  fs::create_directory(dir.Root() / "real");
  const std::string real = dir.Write("real/config.ini", "old");
  ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
  // A chain: relative link to a link to the file.
  fs::create_symlink("real/config.ini", dir.Root() / "inner");
  fs::create_symlink("inner", dir.Root() / "outer");
  ASSERT_EQ(ReplaceFile(dir / "outer", "new"), WriteResult::Ok);
  EXPECT_TRUE(fs::is_symlink(dir.Root() / "outer"));
  EXPECT_TRUE(fs::is_symlink(dir.Root() / "inner"));
  EXPECT_EQ(test::ReadAll(real), "new");
  EXPECT_EQ(ModeOf(real), 0640u);
  EXPECT_EQ(Names(dir), (std::set<std::string>{"inner", "outer", "real"}));

  // A dangling link creates the file it names.
  fs::create_symlink("real/later.ini", dir.Root() / "dangling");
  ASSERT_EQ(ReplaceFile(dir / "dangling", "made"), WriteResult::Ok);
  EXPECT_TRUE(fs::is_symlink(dir.Root() / "dangling"));
  EXPECT_EQ(test::ReadAll(dir / "real/later.ini"), "made");

  // A loop writes nothing.
  fs::create_symlink("loop-b", dir.Root() / "loop-a");
  fs::create_symlink("loop-a", dir.Root() / "loop-b");
  EXPECT_EQ(ReplaceFile(dir / "loop-a", "x"), WriteResult::CannotCreate);
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.Root() / "loop-a")));

  // A link to a write-protected file is refused like the file.
  ASSERT_EQ(::chmod(real.c_str(), 0444), 0);
  EXPECT_EQ(ReplaceFile(dir / "outer", "newer"), WriteResult::WriteProtected);
  EXPECT_EQ(test::ReadAll(real), "new");
}

TEST(ReplaceFile, FifoIsWrittenThroughNotReplaced) {
  test::TempFolder dir;
  const std::string fifo = dir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto reader = std::async(std::launch::async, [&] { return test::ReadAll(fifo); });
  EXPECT_EQ(ReplaceFile(fifo, "through the pipe"), WriteResult::Ok);
  if (reader.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));  // release the reader
  }
  EXPECT_EQ(reader.get(), "through the pipe");
  EXPECT_TRUE(S_ISFIFO(StatOf(fifo).st_mode));
  EXPECT_EQ(Names(dir), std::set<std::string>{"pipe"});
}

TEST(ReplaceFile, DeviceNodesAreWrittenIntoNeverReplaced) {
  test::TempFolder dir;
  // Nodes of our own rather than the system's, in case the routine broke.
  const std::string null = dir / "null", full = dir / "full";
  if (::mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
      ::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
    GTEST_SKIP() << "cannot make device nodes here";
  }
  const int probe = ::open(null.c_str(), O_WRONLY);
  if (probe < 0) GTEST_SKIP() << "device nodes cannot be opened in this folder";
  ::close(probe);
  EXPECT_EQ(ReplaceFile(null, "gone"), WriteResult::Ok);
  EXPECT_EQ(ReplaceFile(full, "no space"), WriteResult::CannotCreate);
  EXPECT_TRUE(S_ISCHR(StatOf(null).st_mode));
  EXPECT_TRUE(S_ISCHR(StatOf(full).st_mode));
  EXPECT_EQ(Names(dir), (std::set<std::string>{"full", "null"}));
}

// /dev/stdout redirected into a file that already holds output (>>): the
// bytes are appended through our descriptor, the file is not replaced.
TEST(ReplaceFile, OwnStandardOutputIsWrittenThroughItsDescriptor) {
  test::TempFolder dir;
  const std::string log = dir.Write("log.txt", "earlier\n");
  const int fd = ::open(log.c_str(), O_WRONLY | O_APPEND);
  ASSERT_GE(fd, 0);
  ::fflush(stdout);
  const int saved = ::dup(STDOUT_FILENO);
  ::dup2(fd, STDOUT_FILENO);
  const WriteResult r = ReplaceFile("/dev/stdout", "appended\n");
  ::dup2(saved, STDOUT_FILENO);
  ::close(saved);
  ::close(fd);
  EXPECT_EQ(r, WriteResult::Ok);
  EXPECT_EQ(test::ReadAll(log), "earlier\nappended\n");
  EXPECT_EQ(Names(dir), std::set<std::string>{"log.txt"});
}

// Every injected failure leaves the old file byte for byte and no temporary file.
TEST(ReplaceFile, FailuresLeaveTheOldFileAndNoTemporary) {
  struct Case {
    const char* name;
    FileFaults faults;
    WriteResult existing;  // result over an existing file
    WriteResult fresh;     // result for a new file
  };
  auto make = [](auto set) {
    FileFaults f;
    set(f);
    return f;
  };
  const Case cases[] = {
      {"write at byte 0", make([](FileFaults& f) { f.failWriteAtByte = 0; }), WriteResult::CannotCreate,
       WriteResult::CannotCreate},
      {"write at byte 5", make([](FileFaults& f) { f.failWriteAtByte = 5; }), WriteResult::CannotCreate,
       WriteResult::CannotCreate},
      {"disk full at byte 3",
       make([](FileFaults& f) { f.failWriteAtByte = 3, f.error = FaultError::NoSpace; }),
       WriteResult::CannotCreate, WriteResult::CannotCreate},
      {"sync", make([](FileFaults& f) { f.failSync = true; }), WriteResult::CannotCreate,
       WriteResult::CannotCreate},
      {"rename", make([](FileFaults& f) { f.failRename = true; }), WriteResult::CannotWrite,
       WriteResult::CannotCreate},
      {"create denied", make([](FileFaults& f) { f.failCreate = true, f.error = FaultError::Denied; }),
       WriteResult::CannotWrite, WriteResult::CannotCreate},
      {"create, disk full", make([](FileFaults& f) { f.failCreate = true, f.error = FaultError::NoSpace; }),
       WriteResult::CannotCreate, WriteResult::CannotCreate},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempFolder dir;
    const std::string target = dir.Write("config.ini", "the old configuration");
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    const ino_t inode = StatOf(target).st_ino;
    const FileWriter writer(c.faults);
    EXPECT_EQ(writer.Replace(target, "a new configuration text"), c.existing);
    EXPECT_EQ(writer.Replace(dir / "fresh.ini", "a new configuration text"), c.fresh);
    EXPECT_EQ(test::ReadAll(target), "the old configuration");
    EXPECT_EQ(StatOf(target).st_ino, inode);
    EXPECT_EQ(ModeOf(target), 0600u);
    EXPECT_EQ(Names(dir), std::set<std::string>{"config.ini"});
  }
  // A fault past the end of the bytes never fires.
  test::TempFolder dir;
  FileFaults late;
  late.failWriteAtByte = 4;
  EXPECT_EQ(FileWriter(late).Replace(dir / "short.ini", "four"), WriteResult::Ok);
  EXPECT_EQ(test::ReadAll(dir / "short.ini"), "four");
}

// Ctrl+C, SIGTERM or SIGHUP while the new bytes are being written ends the
// process as the signal would, with the old file intact and no temporary
// file beside it.
TEST(ReplaceFile, SignalDuringTheWriteLeavesNoTemporary) {
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(sig);
    test::TempFolder dir;
    const std::string target = dir.Write("config.ini", "the old configuration");
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      // A child that was started with the signal ignored would not die of it.
      ::signal(sig, SIG_DFL);
      FileFaults faults;
      faults.raiseSignal = sig;
      faults.raiseAtByte = 4;
      (void)FileWriter(faults).Replace(target, "a new configuration text");
      ::_exit(0);  // not reached when the signal did its work
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child went on after the signal";
    EXPECT_EQ(WTERMSIG(status), sig);
    EXPECT_EQ(test::ReadAll(target), "the old configuration");
    EXPECT_EQ(Names(dir), std::set<std::string>{"config.ini"});
  }
}

#endif  // _WIN32

}  // namespace
}  // namespace kestrin
