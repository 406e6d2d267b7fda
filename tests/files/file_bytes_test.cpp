// Whole-file reads and the atomic replace, over Cyrillic folder and file
// names (on Windows every name must take the wide-character path).
#include "files/file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;

fs::path P(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

size_t EntriesIn(const std::string& folder) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(P(folder))) ++n;
  return n;
}

TEST(FileBytes, CyrillicNamesWriteReplaceAndReadBack) {
  test::TempFolder root;
  const std::string folder = root / "Объект №5 Склад";
  ASSERT_TRUE(fs::create_directory(P(folder)));
  const std::string file = folder + "/конфигурация ППКОП.ini";
  const std::string first = test::W("oa-Склад №3\r\n");
  std::string error;
  ASSERT_TRUE(WriteFileAtomic(file, first, &error)) << error;
  std::string back;
  ASSERT_EQ(ReadFileBytes(file, back), ReadStatus::Ok);
  EXPECT_EQ(back, first);

  // Replacing an existing file leaves the new bytes and no temporary file.
  const std::string second(70000, '\xc0');
  ASSERT_TRUE(WriteFileAtomic(file, second, &error)) << error;
  ASSERT_EQ(ReadFileBytes(file, back), ReadStatus::Ok);
  EXPECT_EQ(back, second);
  EXPECT_EQ(EntriesIn(folder), 1u);
  EXPECT_EQ(test::ReadAll(file), second);
}

TEST(FileBytes, FailuresLeaveThePreviousFile) {
  test::TempFolder root;
  const std::string file = root.Write("старый.ini", "old");
  // A folder in the target's place cannot be replaced by a file.
  const std::string folder = root / "папка.ini";
  ASSERT_TRUE(fs::create_directory(P(folder)));
  EXPECT_FALSE(WriteFileAtomic(folder, "new"));
  EXPECT_TRUE(fs::is_directory(P(folder)));
  EXPECT_FALSE(WriteFileAtomic(root / "нет такой папки/x.ini", "new"));
  EXPECT_EQ(test::ReadAll(file), "old");
  EXPECT_EQ(EntriesIn(root.Str()), 2u);  // no temporary left behind
}

TEST(FileBytes, ReadStatuses) {
  test::TempFolder root;
  std::string out = "stale";
  EXPECT_EQ(ReadFileBytes(root / "нет.ini", out), ReadStatus::NotFound);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(ReadFileBytes(root.Str(), out), ReadStatus::NotAFile);
  const std::string file = root.Write("большой.cry", std::string(100, 'x'));
  EXPECT_EQ(ReadFileBytes(file, out, 10), ReadStatus::TooLarge);
  EXPECT_EQ(ReadFileBytes(file, out, 10, true), ReadStatus::Ok);
  EXPECT_EQ(out, std::string(10, 'x'));
  const std::string empty = root.Write("пустой.ini", "");
  EXPECT_EQ(ReadFileBytes(empty, out), ReadStatus::Ok);
  EXPECT_TRUE(out.empty());
}

}  // namespace
}  // namespace kestrin
