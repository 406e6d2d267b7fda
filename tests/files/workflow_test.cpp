#include "files/workflow.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

namespace fs = std::filesystem;
using test::U;
using test::W;

using test::TempFolder;

TEST(StatusLineTest, TextsOfTheThreeKinds) {
  const std::string version = W("Config RQX7 soft v.3.0");
  EXPECT_EQ(U(StatusText(0, "01.02.2012", version)), "Конфигурация \"по-умолчанию\"");
  EXPECT_EQ(U(StatusText(1, "01.02.2012", version)),
            "Конфигурация сохраненная (Config RQX7 soft v.3.0) от 01.02.2012 года ");
  EXPECT_EQ(U(StatusText(2, "01.02.2012", version)),
            "Конфигурация прибора (Config RQX7 soft v.3.0) от 01.02.2012 года ");
  EXPECT_EQ(StatusText(3, "d", version), "");
}

TEST(StatusLineTest, LockMakesItRedAndReadOnly) {
  StatusLine free = ComposeStatusLine(1, "01.02.2012", "v", false);
  EXPECT_EQ(free.colour, kStatusGreen);
  EXPECT_FALSE(free.readOnly);
  StatusLine locked = ComposeStatusLine(1, "01.02.2012", "v", true);
  EXPECT_EQ(locked.colour, kStatusRed);
  EXPECT_TRUE(locked.readOnly);
  // The mark follows " года " with no blank of its own.
  EXPECT_EQ(U(locked.text), "Конфигурация сохраненная (v) от 01.02.2012 года (только чтение)");
}

TEST(StatusLineTest, LockFileIsLookedForBesideTheLoadedFile) {
  TempFolder dir;
  std::string config = dir.Write("config.ini", "x");
  EXPECT_FALSE(LockFileBeside(config));
  EXPECT_FALSE(LockFileBeside(""));
  dir.Write("lock.txt", "");  // content is never read: an empty file counts
  EXPECT_TRUE(LockFileBeside(config));
  fs::create_directories(dir.Root() / "sub");
  EXPECT_FALSE(LockFileBeside((dir.Root() / "sub" / "config.ini").string()));
}

TEST(WorkflowTest, TitleAndClockFile) {
  EXPECT_EQ(WindowTitle(""), "Конфигуратор ППКОП \"Кестрин 18кГц 8\" v.4.0.4.6   =>   ");
  EXPECT_EQ(WindowTitle("/media/p/config.ini"),
            "Конфигуратор ППКОП \"Кестрин 18кГц 8\" v.4.0.4.6   =>   /media/p/config.ini");
  EXPECT_EQ(ClockFileBytes().size(), 21u);
  EXPECT_EQ(ClockFileBytes(), "PPKOP R7QX clock file");
}

TEST(WorkflowTest, ContainerByExtensionInAnyCase) {
  EXPECT_TRUE(IsContainerPath("a/config.cry"));
  EXPECT_TRUE(IsContainerPath("a/CONFIG.CRY"));
  EXPECT_TRUE(IsContainerPath("x.CrY"));
  EXPECT_FALSE(IsContainerPath("x.gsm"));
  EXPECT_FALSE(IsContainerPath("x.ini"));
  EXPECT_FALSE(IsContainerPath("x.cry.ini"));
  EXPECT_FALSE(IsContainerPath("cry"));
}

TEST(StartupTest, CommandLineForms) {
  StartupArgs none = ParseCommandLine({});
  EXPECT_FALSE(none.debug);
  EXPECT_EQ(none.path, "");
  StartupArgs path = ParseCommandLine({"/p/a.ini"});
  EXPECT_FALSE(path.debug);
  EXPECT_EQ(path.path, "/p/a.ini");
  StartupArgs debug = ParseCommandLine({"-DEBUG"});
  EXPECT_TRUE(debug.debug);
  EXPECT_EQ(debug.path, "");
  StartupArgs both = ParseCommandLine({"-Debug", "/p/b.cry", "ignored"});
  EXPECT_TRUE(both.debug);
  EXPECT_EQ(both.path, "/p/b.cry");
  // Only the first parameter may be the switch.
  StartupArgs late = ParseCommandLine({"/p/a.ini", "-debug"});
  EXPECT_FALSE(late.debug);
  EXPECT_EQ(late.path, "/p/a.ini");
}

TEST(StartupTest, DefaultFilePrefersIniOverContainer) {
  TempFolder dir;
  const std::string folder = dir.Root().string();
  EXPECT_EQ(fs::path(StartupFile({}, folder)).filename(), "config.cry");  // neither exists
  dir.Write("config.cry", "x");
  EXPECT_EQ(fs::path(StartupFile({}, folder)).filename(), "config.cry");
  dir.Write("config.ini", "x");
  EXPECT_EQ(fs::path(StartupFile({}, folder)).filename(), "config.ini");
  EXPECT_EQ(StartupFile({false, "/x/y.ini"}, folder), "/x/y.ini");
}

TEST(LoadTest, KeyCompletion) {
  T_Command_DEVICE model;
  TLexPipe pipe;
  T_Command scratch;
  TextBuffer text;

  struct Case {
    const char* why;
    const char* text;
    const char* opener;
    const char* key;
    const char* oldKey;
  };
  const Case cases[] = {
      {"only the old key: it becomes the key too", "Kestrin-GSM ver3.0 rev.3\r\nks2-OLD\r\n", "", "OLD",
       "OLD"},
      {"no keys at all, opened with a key: both keys are that key", "Kestrin-GSM ver3.0 rev.3\r\n", "OPENER",
       "OPENER", "OPENER"},
      {"a stored key stays; the opening key fills the empty old key",
       "Kestrin-GSM ver3.0 rev.3\r\nks1-MINE\r\n", "OPENER", "MINE", "OPENER"},
      {"both stored: nothing changes", "Kestrin-GSM ver3.0 rev.3\r\nks1-MINE\r\nks2-PREV\r\n", "OPENER",
       "MINE", "PREV"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    text.SetBytes(c.text);
    LoadModelFromText(model, text, pipe, scratch, c.opener);
    EXPECT_EQ(model.GetFileKey(), c.key);
    EXPECT_EQ(model.GetOldFileKey(), c.oldKey);
  }
}

TEST(LoadTest, EachLoadStartsFromTheDefaults) {
  T_Command_DEVICE model;
  TLexPipe pipe;
  T_Command scratch;
  TextBuffer text;
  text.SetBytes("Kestrin-GSM ver3.0 rev.3\r\nst-180\r\n");
  LoadModelFromText(model, text, pipe, scratch, "");
  EXPECT_EQ(model.GetSirenTime(), 180);
  text.SetBytes("Kestrin-GSM ver3.0 rev.3\r\nel-60\r\n");
  LoadModelFromText(model, text, pipe, scratch, "");
  EXPECT_EQ(model.GetIndicatorTime(), 60);
  EXPECT_EQ(model.GetSirenTime(), 90);  // not kept from the previous file
}

TEST(WorkflowTest, ProposedSaveName) {
  EXPECT_EQ(ProposedSaveName(false, "RQX7.ini"), "config.ini");
  EXPECT_EQ(ProposedSaveName(true, "RQX7.ini"), "RQX7.ini");
}

}  // namespace
}  // namespace kestrin
