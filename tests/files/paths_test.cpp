#include "files/paths.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_folder.h"

namespace kestrin {
namespace {

// Cyrillic names must reach the file system as the same characters, not as
// bytes of some local code page.
TEST(Paths, CyrillicNamesSurviveTheCrossing) {
  const std::string name = "Объект №5.cry";
  EXPECT_EQ(Utf8FromPath(PathFromUtf8(name)), name);
  EXPECT_EQ(Utf8FromPath(PathFromUtf8("папка/" + name).filename()), name);
  test::TempFolder dir;
  std::ofstream(PathFromUtf8(Utf8FromPath(dir.Root()) + "/" + name)) << "x";
  EXPECT_TRUE(std::filesystem::exists(dir.Root() / PathFromUtf8(name)));
}

TEST(Paths, ContainerByExtensionOnly) {
  EXPECT_TRUE(IsContainerPath("папка/Объект.CRY"));
  EXPECT_TRUE(IsContainerPath("a.b.cry"));
  EXPECT_FALSE(IsContainerPath("a/.cry"));  // a hidden file without extension
  EXPECT_FALSE(IsContainerPath("a.cry/"));
  EXPECT_FALSE(IsContainerPath("a.cryx"));
  EXPECT_FALSE(IsContainerPath(""));
}

}  // namespace
}  // namespace kestrin
