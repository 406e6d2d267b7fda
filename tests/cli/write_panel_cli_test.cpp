// kestrin-cfg write-panel onto a plain folder standing for the panel's disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "files/container.h"
#include "files/paths.h"
#include "files/workflow.h"
#include "model/reader.h"
#include "model/tab_rules.h"
#include "model/writer.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"
#include "support/test_cipher.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;

using test::RunCli;

const std::string kOld = "the panel's old config\r\n";
const std::string kDone =
    "Операция выполнена\nФайлы записаны в устройство и проверены\n";
const std::string kDoneWithCopy =
    kDone + "Прежняя конфигурация сохранена в папке резервных копий\n";

T_Command_DEVICE Good() {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetFileKey("key");
  return m;
}

// What the window's unload makes of a file's text, as the panel gets it.
std::string Unloaded(const std::string& text) {
  T_Command_DEVICE m;
  LoadConfigText(text, m);
  EnforceRowRules(m);
  return WriteConfigTextCrLf(m);
}

std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(PathFromUtf8(folder), ec))
    names.insert(Utf8FromPath(e.path().filename()));
  return names;
}

struct PanelDisk {
  test::TempFolder dir;
  std::string disk = dir.Path("ПРИБОР");
  std::string backups = dir.Path("копии");
  explicit PanelDisk(bool withConfig = true) {
    fs::create_directories(PathFromUtf8(disk));
    if (withConfig) dir.Write("ПРИБОР/config.ini", kOld);
  }
  std::string Disk(const std::string& name) const { return test::ReadAll(disk + "/" + name); }
  // Nothing written: the old config.ini alone, no backup folder.
  void ExpectUntouched() const {
    EXPECT_EQ(Names(disk), std::set<std::string>{"config.ini"});
    EXPECT_EQ(Disk("config.ini"), kOld);
    EXPECT_FALSE(fs::exists(PathFromUtf8(backups)));
  }
};

TEST(CliWritePanel, WritesTheUnloadedTextBacksUpAndVerifies) {
  PanelDisk s;
  T_Command_DEVICE input = Good();
  input.SetLoopDelay(1, 17);  // a delay the loop's type does not have
  const std::string text = WriteConfigTextCrLf(input);
  ASSERT_NE(Unloaded(text), text);
  const std::string file = s.dir.Put("object.ini", text);

  auto r = RunCli({"write-panel", file, s.disk, "--backup-dir", s.backups});
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_EQ(r.err, "");
  const std::set<std::string> copies = Names(s.backups);
  ASSERT_EQ(copies.size(), 1u);
  const std::string name = *copies.begin();
  EXPECT_TRUE(std::regex_match(name, std::regex(R"(\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d_ПРИБОР\.ini)")))
      << name;
  const std::string copy = Utf8FromPath(PathFromUtf8(s.backups) / PathFromUtf8(name));
  EXPECT_EQ(r.out, "Резервная копия: " + copy + "\n" + kDoneWithCopy);
  EXPECT_EQ(test::ReadAll(copy), kOld);
  EXPECT_EQ(s.Disk("config.ini"), Unloaded(text));
  EXPECT_EQ(s.Disk("clock.txt"), ClockFileBytes());
  EXPECT_EQ(test::ReadAll(file), text);  // the input stays as it was

  // Again: the panel's config.ini is now what was written, and is kept too.
  r = RunCli({"write-panel", file, s.disk, "--backup-dir", s.backups});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(Names(s.backups).size(), 2u);
}

TEST(CliWritePanel, ADiskWithoutConfigAndAContainer) {
  PanelDisk s(false);
  T_Command_DEVICE noKey = Good();
  noKey.SetFileKey("");
  test::ContainerPlan plan;
  plan.text = WriteConfigTextCrLf(noKey);
  const std::string cry =
      s.dir.Put("panel.cry", test::BuildContainer(plan, PrepareContainerKey("secret")));

  EXPECT_EQ(RunCli({"write-panel", cry, s.disk}).code, 2);  // no key
  EXPECT_EQ(RunCli({"write-panel", cry, s.disk, "--key", "wrong"}).code, 3);
  EXPECT_TRUE(Names(s.disk).empty());

  auto r = RunCli({"write-panel", cry, s.disk, "--key", "-", "--backup-dir", s.backups},
                  "secret\n");
  ASSERT_EQ(r.code, 0) << r.out << r.err;
  EXPECT_EQ(r.out, "Резервная копия не нужна: на диске нет config.ini\n" + kDone);
  EXPECT_FALSE(fs::exists(PathFromUtf8(s.backups)));
  // The key that opened the container completes the file key, as in the window.
  T_Command_DEVICE written;
  LoadConfigText(s.Disk("config.ini"), written);
  EXPECT_EQ(written.GetFileKey(), "secret");
  EXPECT_EQ(s.Disk("clock.txt"), ClockFileBytes());
}

TEST(CliWritePanel, RefusalsWriteNothing) {
  const std::string cannotCreate =
      "Ошибка записи в файл - файл не может быть создан\n"
      "Проверьте отсутствие запрета записи и наличие свободного места\n";
  {
    SCOPED_TRACE("a violation");
    PanelDisk s;
    T_Command_DEVICE bad = Good();
    bad.SetPasswordCommand("12");
    const std::string file = s.dir.Put("bad.ini", WriteConfigTextCrLf(bad));
    auto r = RunCli({"write-panel", file, s.disk, "--backup-dir", s.backups});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out.rfind(file + "\t", 0), 0u) << r.out;
    s.ExpectUntouched();
  }
  {
    SCOPED_TRACE("lock.txt beside the file");
    PanelDisk s;
    const std::string file = s.dir.Put("good.ini", WriteConfigTextCrLf(Good()));
    s.dir.Put("lock.txt", "");
    auto r = RunCli({"write-panel", file, s.disk, "--backup-dir", s.backups});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err,
              "Прибор находится во взятом состоянии, редактирование параметров невозможно\n"
              "Для изменения параметров работы прибора необходимо снять его с охраны\n");
    s.ExpectUntouched();
  }
  PanelDisk s;
  const std::string file = s.dir.Put("good.ini", WriteConfigTextCrLf(Good()));
  {
    SCOPED_TRACE("backup folder cannot be made");
    const std::string plain = s.dir.Put("plain", "x");
    auto r = RunCli({"write-panel", file, s.disk, "--backup-dir", plain + "/копии"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, cannotCreate);
    s.ExpectUntouched();
  }
  {
    SCOPED_TRACE("no such disk");
    auto r = RunCli({"write-panel", file, s.dir.Path("missing"), "--backup-dir", s.backups});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, cannotCreate);
  }
  EXPECT_EQ(RunCli({"write-panel", file}).code, 2);
  EXPECT_EQ(RunCli({"write-panel", file, s.disk, "--backup-dir"}).code, 2);
  s.ExpectUntouched();
}

#if defined(KESTRIN_HAVE_QT) && !defined(_WIN32)
// Without --backup-dir: the program's BackupPath setting, else the documents
// folder, as the window finds them. The built tool runs under a home of its
// own (Qt reads both once per process).
TEST(CliWritePanel, DefaultBackupFolderFollowsTheSettingsAndDocuments) {
  PanelDisk s;
  const std::string file = s.dir.Put("good.ini", WriteConfigTextCrLf(Good()));
  const std::string home = s.dir.Path("home");
  fs::create_directories(PathFromUtf8(home + "/.config/Kamtor"));
  const std::string command = "HOME='" + home + "' XDG_CONFIG_HOME='" + home + "/.config' '" +
                              KESTRIN_CFG_EXE + "' write-panel '" + file + "' '" + s.disk +
                              "' >/dev/null";
  EXPECT_EQ(test::RunShell(command), 0);
  EXPECT_EQ(Names(home + "/Documents/Кестрин/Резервные копии").size(), 1u);

  const std::string chosen = s.dir.Path("по настройке");
  s.dir.Put("home/.config/Kamtor/Velmar.ini", "[General]\nBackupPath=" + chosen + "\n");
  EXPECT_EQ(test::RunShell(command), 0);
  EXPECT_EQ(Names(chosen).size(), 1u);
  EXPECT_EQ(Names(home + "/Documents/Кестрин/Резервные копии").size(), 1u);
}
#endif

}  // namespace
}  // namespace kestrin
