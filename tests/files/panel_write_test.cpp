#include "files/panel_write.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>

#include "files/paths.h"
#include "support/temp_folder.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;

const LocalTime kNow{2026, 12, 10, 14, 3, 27};
const std::string kOld = "old panel config\r\n";
const std::string kNew = "new config\r\n";
const std::string kClock = "PPKOP R7QX clock file";

// The platform's reader with one injected fault: the nth read of a path
// containing `match` fails or returns one byte changed.
class FaultyReader : public DiskReader {
 public:
  enum class Fault { None, Fail, Corrupt };
  FaultyReader(std::string match = {}, int nth = 1, Fault fault = Fault::None)
      : match_(std::move(match)), nth_(nth), fault_(fault) {}
  ReadStatus Read(const std::string& path, std::string& out) const override {
    const bool hit = fault_ != Fault::None && path.find(match_) != std::string::npos &&
                     ++seen_ == nth_;
    if (hit && fault_ == Fault::Fail) return ReadStatus::CannotRead;
    const ReadStatus st = DiskReader::Read(path, out);
    if (hit && st == ReadStatus::Ok) out += 'x';
    return st;
  }

 private:
  std::string match_;
  int nth_;
  Fault fault_;
  mutable int seen_ = 0;
};

struct Panel {
  test::TempFolder dir;
  std::string disk = dir.Path("disk");
  std::string backups = dir.Path("docs/Кестрин/Резервные копии");
  fs::file_time_type oldTime;

  explicit Panel(bool withConfig = true) {
    fs::create_directories(PathFromUtf8(disk));
    if (withConfig) {
      dir.Write("disk/config.ini", kOld);
      const fs::path config = PathFromUtf8(disk + "/config.ini");
      fs::last_write_time(config, fs::file_time_type::clock::now() - std::chrono::hours(24 * 400));
      oldTime = fs::last_write_time(config);  // as precise as the file system keeps it
    }
  }
  PanelWriteRequest Request(const std::string& name = "KESTRIN") const {
    return {kNew, kClock, disk, name, backups, kNow};
  }
  std::string Disk(const std::string& name) const { return test::ReadAll(disk + "/" + name); }
  bool DiskHas(const std::string& name) const {
    return fs::exists(PathFromUtf8(disk + "/" + name));
  }
  std::set<std::string> BackupNames() const {
    std::set<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(PathFromUtf8(backups), ec))
      names.insert(Utf8FromPath(e.path().filename()));
    return names;
  }
  fs::file_time_type TimeOf(const std::string& path) const {
    return fs::last_write_time(PathFromUtf8(path));
  }
};

TEST(PanelWrite, BacksTheOldConfigUpThenWritesAndVerifies) {
  Panel p;
  const PanelWriteResult r = WriteToPanelDisk(p.Request("ПАНЕЛЬ 1:A?"));
  ASSERT_TRUE(r.ok) << r.message;
  const std::string name = "2026-12-10_14-03-27_ПАНЕЛЬ 1_A_.ini";
  EXPECT_EQ(p.BackupNames(), std::set<std::string>{name});
  EXPECT_EQ(r.backupPath, Utf8FromPath(PathFromUtf8(p.backups) / PathFromUtf8(name)));
  EXPECT_EQ(test::ReadAll(r.backupPath), kOld);
  EXPECT_EQ(p.TimeOf(r.backupPath), p.oldTime);
  EXPECT_EQ(p.Disk("config.ini"), kNew);
  EXPECT_EQ(p.Disk("clock.txt"), kClock);
  EXPECT_EQ(r.message, "Операция выполнена");
  EXPECT_EQ(r.recommendation,
            "Файлы записаны в устройство и проверены\n"
            "Прежняя конфигурация сохранена в папке резервных копий");
}

TEST(PanelWrite, ADiskWithoutConfigGetsNoCopy) {
  Panel p(false);
  const PanelWriteResult r = WriteToPanelDisk(p.Request());
  ASSERT_TRUE(r.ok) << r.message;
  EXPECT_EQ(r.backupPath, "");
  EXPECT_FALSE(fs::exists(PathFromUtf8(p.backups)));  // not even the folder
  EXPECT_EQ(p.Disk("config.ini"), kNew);
  EXPECT_EQ(p.Disk("clock.txt"), kClock);
  EXPECT_EQ(r.recommendation, "Файлы записаны в устройство и проверены");
}

TEST(PanelWrite, TwoWritesInOneSecondKeepEveryCopy) {
  Panel p;
  PanelWriteRequest req = p.Request();
  std::vector<std::string> paths;
  for (const std::string& next : {std::string("second\r\n"), std::string("third\r\n"), kNew}) {
    req.configBytes = next;
    const PanelWriteResult r = WriteToPanelDisk(req);
    ASSERT_TRUE(r.ok) << r.message;
    paths.push_back(r.backupPath);
  }
  EXPECT_EQ(p.BackupNames(),
            (std::set<std::string>{"2026-12-10_14-03-27_KESTRIN.ini",
                                   "2026-12-10_14-03-27_KESTRIN_2.ini",
                                   "2026-12-10_14-03-27_KESTRIN_3.ini"}));
  EXPECT_EQ(test::ReadAll(paths[0]), kOld);
  EXPECT_EQ(test::ReadAll(paths[1]), "second\r\n");
  EXPECT_EQ(test::ReadAll(paths[2]), "third\r\n");
  EXPECT_EQ(p.Disk("config.ini"), kNew);
}

enum class Setup { None, FolderUnderAFile, ConfigIsAFolder };

struct FailureRow {
  const char* name;
  Setup setup;
  FileFaults diskFaults;
  FileFaults backupFaults;
  const char* readMatch;  // "" for no read fault
  int nth;
  FaultyReader::Fault fault;
  PanelWriteStep step;
  const MessagePair* pair;
  bool backupStays;   // a copy of the old config is in the folder
  bool diskWritten;   // config.ini holds the new bytes
};

FileFaults NoFaults() { return {}; }
FileFaults RenameFails() {
  FileFaults f;
  f.failRename = true;
  return f;
}
FileFaults DiskFull() {
  FileFaults f;
  f.failWriteAtByte = 3;
  f.error = FaultError::NoSpace;
  return f;
}

using F = FaultyReader::Fault;
const FailureRow kFailures[] = {
    {"backup folder cannot be created", Setup::FolderUnderAFile, NoFaults(), NoFaults(), "", 0,
     F::None, PanelWriteStep::Backup, &kMsgCannotCreate, false, false},
    {"disk's config.ini unreadable", Setup::None, NoFaults(), NoFaults(), "config.ini", 1,
     F::Fail, PanelWriteStep::ReadingDisk, &kMsgCannotOpen, false, false},
    {"disk's config.ini is a folder", Setup::ConfigIsAFolder, NoFaults(), NoFaults(), "", 0,
     F::None, PanelWriteStep::ReadingDisk, &kMsgCannotOpen, false, false},
    {"no space for the copy", Setup::None, NoFaults(), DiskFull(), "", 0, F::None,
     PanelWriteStep::Backup, &kMsgCannotCreate, false, false},
    {"copy reads back otherwise", Setup::None, NoFaults(), NoFaults(), "Резервные копии", 1,
     F::Corrupt, PanelWriteStep::Backup, &kMsgCannotCreate, false, false},
    {"config.ini cannot be replaced", Setup::None, RenameFails(), NoFaults(), "", 0, F::None,
     PanelWriteStep::WritingConfig, &kMsgCannotReplace, true, false},
    {"config.ini reads back otherwise", Setup::None, NoFaults(), NoFaults(), "config.ini", 2,
     F::Corrupt, PanelWriteStep::Verifying, &kMsgVerifyFailed, true, true},
    {"clock.txt cannot be read back", Setup::None, NoFaults(), NoFaults(), "clock.txt", 1,
     F::Fail, PanelWriteStep::Verifying, &kMsgVerifyFailed, true, true},
};

TEST(PanelWrite, FailuresStopWhereTheyHappenAndTellTheirPair) {
  for (const FailureRow& row : kFailures) {
    SCOPED_TRACE(row.name);
    Panel p(row.setup != Setup::ConfigIsAFolder);
    PanelWriteRequest req = p.Request();
    if (row.setup == Setup::FolderUnderAFile) req.backupFolder = p.dir.Write("plain", "x") + "/sub";
    if (row.setup == Setup::ConfigIsAFolder)
      fs::create_directory(PathFromUtf8(p.disk + "/config.ini"));
    const FaultyReader reader(row.readMatch, row.nth, row.fault);
    const PanelWriteResult r =
        WriteToPanelDisk(req, {FileWriter(row.diskFaults), FileWriter(row.backupFaults), &reader});

    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failedAt, row.step);
    EXPECT_EQ(r.message, row.pair->message);
    EXPECT_EQ(r.recommendation, row.pair->recommendation);
    const std::set<std::string> copies = p.BackupNames();
    if (row.backupStays) {
      EXPECT_EQ(copies, std::set<std::string>{"2026-12-10_14-03-27_KESTRIN.ini"});
      EXPECT_EQ(test::ReadAll(r.backupPath), kOld);
    } else {
      EXPECT_TRUE(copies.empty());
      EXPECT_EQ(r.backupPath, "");
    }
    if (row.setup != Setup::ConfigIsAFolder) {
      EXPECT_EQ(p.Disk("config.ini"), row.diskWritten ? kNew : kOld);
    }
    // The clock file follows config.ini, never precedes it.
    EXPECT_EQ(p.DiskHas("clock.txt"), row.diskWritten);
    if (!row.diskWritten && row.setup == Setup::None) {
      EXPECT_EQ(p.TimeOf(p.disk + "/config.ini"), p.oldTime);
    }
  }
}

TEST(PanelWrite, BackupNamesAndFolders) {
  const struct {
    std::string disk;
    std::string name;
  } rows[] = {
      {"E", "2026-12-10_14-03-27_E.ini"},
      {"a<b>c:d\"e/f\\g|h?i*j\tk", "2026-12-10_14-03-27_a_b_c_d_e_f_g_h_i_j_k.ini"},
      {"", "2026-12-10_14-03-27__.ini"},
  };
  for (const auto& row : rows) EXPECT_EQ(BackupFileName(row.disk, kNow), row.name) << row.disk;
  EXPECT_EQ(BackupFileName("E", kNow, 2), "2026-12-10_14-03-27_E_2.ini");
  // A very long mount folder name is cut on a character boundary.
  std::string longName;
  for (int i = 0; i < 200; ++i) longName += "Я";
  const std::string cut = BackupFileName(longName, kNow, 3);
  EXPECT_LE(cut.size(), 160u);
  EXPECT_EQ(cut.substr(cut.size() - 10), "ЯЯ_3.ini");

  EXPECT_EQ(BackupFolder("/srv/копии", "/home/u/Documents"), "/srv/копии");
  EXPECT_EQ(PathFromUtf8(BackupFolder("", "/home/u/Documents")),
            PathFromUtf8("/home/u/Documents/Кестрин/Резервные копии"));
  EXPECT_EQ(BackupFolder("", ""), "");
}

TEST(PanelWrite, DiskNames) {
#ifdef _WIN32
  EXPECT_EQ(DiskDisplayName("C:\\work\\ДИСК\\"), "ДИСК");
#else
  EXPECT_EQ(DiskDisplayName("/media/user/ДИСК 1/"), "ДИСК 1");
  EXPECT_EQ(DiskDisplayName("/media/user/KESTRIN"), "KESTRIN");
  EXPECT_EQ(DiskDisplayName("/"), "");
#endif
}

}  // namespace
}  // namespace kestrin
