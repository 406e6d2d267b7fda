#include "files/file_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "files/container.h"
#include "model/codec.h"
#include "model/writer.h"
#include "support/temp_folder.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;
using test::W;

using TempDir = test::TempFolder;

// The plain fields of a container followed by a body of body bytes.
std::string ContainerBytes(const std::string& alias, const std::string& id, size_t body = 16,
                           const std::string& header = ContainerDeviceName()) {
  return header + "\r\n" + alias + id + std::string(body, '\x5a');
}

std::string PlainConfig(int sirenTime) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetSirenTime(sirenTime);
  return WriteConfigTextCrLf(m);
}

std::set<std::string> Names(const std::vector<FileListRow>& rows, size_t from, size_t to) {
  std::set<std::string> s;
  for (size_t i = from; i < to; ++i) s.insert(rows[i].fileName);
  return s;
}

TEST(FileListScan, ExtensionsInAnyCaseAndPlainFirst) {
  TempDir dir;
  dir.Write("b.INI", PlainConfig(90));
  dir.Write("a.cry", ContainerBytes("Office    ", "0123456789AB"));
  dir.Write("c.Ini", PlainConfig(90));
  dir.Write(".hidden.ini", PlainConfig(90));
  dir.Write("notes.txt", "x");
  dir.Write("config.ini.bak", "x");
  dir.Write("d.CrY", ContainerBytes("Shop      ", "ABCDEF012345"));
  fs::create_directory(fs::path(dir.Str()) / "folder.ini");

  T_Command_DEVICE scratch;
  FileList list(scratch);
  list.Open(dir.Str());
  const auto& rows = list.Rows();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(Names(rows, 0, 3), (std::set<std::string>{"b.INI", "c.Ini", ".hidden.ini"}));
  EXPECT_EQ(Names(rows, 3, 5), (std::set<std::string>{"a.cry", "d.CrY"}));
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(rows[i].kind, FileKind::Plain);
  for (size_t i = 3; i < 5; ++i) EXPECT_EQ(rows[i].kind, FileKind::Container);
  for (const auto& r : rows) EXPECT_TRUE(r.tested);
  EXPECT_FALSE(list.HasUntested());
  EXPECT_TRUE(list.Tick().empty());
}

TEST(FileListScan, MissingOrEmptyFolder) {
  T_Command_DEVICE scratch;
  FileList list(scratch);
  list.Open("/nonexistent/kestrin/folder");
  EXPECT_TRUE(list.Rows().empty());
  EXPECT_TRUE(list.Tick().empty());  // the timer stops at its first tick
  EXPECT_EQ(ListCounterText(-1, 0), "0 из 0");
  TempDir dir;
  list.Open(dir.Str());
  EXPECT_TRUE(list.Rows().empty());
}

TEST(FileListRows, ContainerAndPlainTests) {
  TempDir dir;
  dir.Write("panel.cry", ContainerBytes(W("Склад 1   "), "00ab34CD5678"));
  dir.Write("short.cry", ContainerBytes("Office    ", "0123456789AB", 0));  // exactly 22 bytes follow
  dir.Write("other.cry", ContainerBytes("Office    ", "0123456789AB", 16, "SOME OTHER DEVICE"));
  dir.Write("lower.cry", ContainerBytes("Lobby     ", "FFFFFFFFFFFF", 8, W("  ппкоп кестрин 18кгц 8 ")));
  dir.Write("plain.ini", PlainConfig(123));

  T_Command_DEVICE scratch;
  TextBuffer text;
  FileList list(scratch, &text);
  list.Open(dir.Str());
  ASSERT_EQ(list.Rows().size(), 5u);
  auto row = [&](const std::string& name) {
    for (const auto& r : list.Rows())
      if (r.fileName == name) return r;
    ADD_FAILURE() << name;
    return FileListRow{};
  };
  EXPECT_EQ(test::U(row("panel.cry").alias), "Склад 1");
  EXPECT_EQ(row("panel.cry").identifier, "00ab-34CD-5678");
  EXPECT_EQ(row("short.cry").alias, "");
  EXPECT_EQ(row("short.cry").identifier, "0000-0000-0000");
  EXPECT_EQ(row("other.cry").alias, "");
  EXPECT_EQ(row("other.cry").identifier, "0000-0000-0000");
  EXPECT_TRUE(row("other.cry").tested);
  EXPECT_EQ(row("lower.cry").alias, "Lobby");
  EXPECT_EQ(row("lower.cry").identifier, "FFFF-FFFF-FFFF");
  // Plain files show nothing; their text went through the scratch model.
  EXPECT_EQ(row("plain.ini").alias, "");
  EXPECT_EQ(row("plain.ini").identifier, "");
  EXPECT_EQ(scratch.GetSirenTime(), 123);
  EXPECT_FALSE(text.Empty());
}

TEST(FileListRows, UnreadableFileIsTestedOnceAndNeverRetried) {
  TempDir dir;
  for (int i = 0; i < 12; ++i) dir.Write("f" + std::to_string(i) + ".cry", ContainerBytes("A         ", "111111111111"));
  T_Command_DEVICE scratch;
  FileList list(scratch);
  list.Open(dir.Str());
  ASSERT_EQ(list.Rows().size(), 12u);
  // Take the untested files away before the timer gets to them.
  for (const auto& r : list.Rows())
    if (!r.tested) fs::remove(fs::path(dir.Str()) / r.fileName);
  int ticks = 0;
  while (!list.Tick().empty()) ++ticks;
  EXPECT_EQ(ticks, 2);
  for (const auto& r : list.Rows()) {
    EXPECT_TRUE(r.tested);
    if (r.unreadable) {
      EXPECT_EQ(r.alias, "");
      EXPECT_EQ(r.identifier, "");
    }
  }
  EXPECT_EQ(std::count_if(list.Rows().begin(), list.Rows().end(), [](const auto& r) { return r.unreadable; }), 3);
  EXPECT_TRUE(list.Tick().empty());
}

TEST(FileListTicks, TwentyFiveFilesNineAtOnceThenTwoPerTick) {
  TempDir dir;
  for (int i = 0; i < 25; ++i) dir.Write("p" + std::to_string(i) + ".ini", PlainConfig(i));
  T_Command_DEVICE scratch;
  FileList list(scratch);
  list.Open(dir.Str());
  ASSERT_EQ(list.Rows().size(), 25u);
  for (size_t i = 0; i < 25; ++i) {
    EXPECT_EQ(list.Rows()[i].tested, i < 9) << i;
    if (i >= 9) {
      EXPECT_EQ(list.Rows()[i].alias, kListAliasPlaceholder);
      EXPECT_EQ(list.Rows()[i].identifier, kListIdPlaceholder);
    }
  }
  for (int tick = 0; tick < 8; ++tick) {
    auto tested = list.Tick();
    ASSERT_EQ(tested.size(), 2u) << tick;
    // Rows are walked from the first.
    EXPECT_EQ(tested[0], 9u + 2 * tick);
    EXPECT_EQ(tested[1], 10u + 2 * tick);
  }
  EXPECT_FALSE(list.HasUntested());
  EXPECT_TRUE(list.Tick().empty());
  EXPECT_EQ(ListCounterText(2, 25), "3 из 25");
}

TEST(FileListTicks, NineOfEachExtensionAtOnce) {
  TempDir dir;
  for (int i = 0; i < 11; ++i) dir.Write("p" + std::to_string(i) + ".ini", PlainConfig(1));
  for (int i = 0; i < 10; ++i) dir.Write("c" + std::to_string(i) + ".cry", ContainerBytes("A         ", "1"));
  T_Command_DEVICE scratch;
  FileList list(scratch);
  list.Open(dir.Str());
  const auto& rows = list.Rows();
  ASSERT_EQ(rows.size(), 21u);
  auto tested = std::count_if(rows.begin(), rows.end(), [](const auto& r) { return r.tested; });
  EXPECT_EQ(tested, 18);
  EXPECT_FALSE(rows[9].tested);
  EXPECT_FALSE(rows[10].tested);
  EXPECT_TRUE(rows[11].tested);
  EXPECT_FALSE(rows[20].tested);
  // The first tick takes the two plain leftovers, the second the container and stops the timer.
  EXPECT_EQ(list.Tick(), (std::vector<size_t>{9, 10}));
  EXPECT_EQ(list.Tick(), (std::vector<size_t>{20}));
}

TEST(FileListSort, DirectionFlipsOnEveryClickAndHeadersFollow) {
  TempDir dir;
  dir.Write("beta.ini", PlainConfig(1));
  dir.Write("ALPHA.ini", PlainConfig(1));
  dir.Write("x.cry", ContainerBytes(W("яблоко    "), "000000000002"));
  dir.Write("y.cry", ContainerBytes(W("Апельсин  "), "000000000001"));
  T_Command_DEVICE scratch;
  FileList list(scratch);
  list.Open(dir.Str());
  for (int c = 0; c < kListColumnCount; ++c) EXPECT_EQ(list.HeaderImage(c), kHeaderNeutral);
  auto files = [&] {
    std::vector<std::string> v;
    for (const auto& r : list.Rows()) v.push_back(r.fileName);
    return v;
  };
  EXPECT_EQ(list.SortDirection(), 1);
  list.Sort(kListColumnFile);  // first click: descending
  EXPECT_EQ(list.SortDirection(), -1);
  EXPECT_EQ(files(), (std::vector<std::string>{"y.cry", "x.cry", "beta.ini", "ALPHA.ini"}));
  EXPECT_EQ(list.HeaderImage(kListColumnFile), kHeaderDescending);
  list.Sort(kListColumnFile);
  EXPECT_EQ(files(), (std::vector<std::string>{"ALPHA.ini", "beta.ini", "x.cry", "y.cry"}));
  EXPECT_EQ(list.HeaderImage(kListColumnFile), kHeaderAscending);
  // Another column flips the direction again; Cyrillic compares upper-cased.
  list.Sort(kListColumnAlias);
  EXPECT_EQ(list.SortDirection(), -1);
  EXPECT_EQ(files()[0], "x.cry");  // "ЯБЛОКО" > "АПЕЛЬСИН" > ""
  EXPECT_EQ(files()[1], "y.cry");
  EXPECT_EQ(list.HeaderImage(kListColumnAlias), kHeaderDescending);
  EXPECT_EQ(list.HeaderImage(kListColumnFile), kHeaderNeutral);
  list.Sort(kListColumnKind);  // +1: plain before container
  EXPECT_EQ(list.Rows()[0].kind, FileKind::Plain);
  EXPECT_EQ(list.Rows()[3].kind, FileKind::Container);
  list.Sort(kListColumnId);  // -1
  EXPECT_EQ(files()[0], "x.cry");

  // Reopening resets the header images, not the direction.
  list.Open(dir.Str());
  EXPECT_EQ(list.HeaderImage(kListColumnId), kHeaderNeutral);
  EXPECT_EQ(list.SortDirection(), -1);
}

TEST(FileListSort, UntestedRowsAreStillFoundAfterSorting) {
  TempDir dir;
  for (int i = 0; i < 14; ++i) dir.Write("n" + std::to_string(100 + i) + ".ini", PlainConfig(1));
  T_Command_DEVICE scratch;
  FileList list(scratch);
  list.Open(dir.Str());
  list.Sort(kListColumnFile);  // descending: untested rows move to the front
  size_t total = 0;
  for (auto t = list.Tick(); !t.empty(); t = list.Tick()) total += t.size();
  EXPECT_EQ(total, 5u);
  EXPECT_FALSE(list.HasUntested());
  const int idx = list.IndexOfFound(0);
  ASSERT_GE(idx, 0);
  EXPECT_EQ(list.Rows()[static_cast<size_t>(idx)].found, 0u);
}

}  // namespace
}  // namespace kestrin

namespace kestrin {
namespace {

TEST(FileListScan, CyrillicFolderAndFileNames) {
  test::TempFolder root;
  const std::string folder = root / "Конфигурации объектов";
  ASSERT_TRUE(std::filesystem::create_directory(std::filesystem::path(std::u8string(folder.begin(), folder.end()))));
  const std::string plain = PlainConfig(120);
  root.Write("Конфигурации объектов/Офис №2.INI", plain);
  root.Write("Конфигурации объектов/склад.cry", ContainerBytes(W("Склад-3   "), "0004A3B1C2D5"));
  T_Command_DEVICE scratch;
  FileList list(scratch);
  list.Open(folder);
  ASSERT_EQ(list.Rows().size(), 2u);
  EXPECT_EQ(list.Rows()[0].fileName, "Офис №2.INI");
  EXPECT_FALSE(list.Rows()[0].unreadable);
  EXPECT_EQ(scratch.GetSirenTime(), 120);  // the plain file was read through its name
  EXPECT_EQ(list.Rows()[1].fileName, "склад.cry");
  EXPECT_EQ(test::U(list.Rows()[1].alias), "Склад-3");  // trailing blanks dropped
  EXPECT_EQ(list.Rows()[1].identifier, "0004-A3B1-C2D5");
  EXPECT_EQ(test::ReadAll(list.PathOf(0)), plain);
}

}  // namespace
}  // namespace kestrin
