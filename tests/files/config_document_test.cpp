#include "files/config_document.h"

#include <gtest/gtest.h>

#include "model/writer.h"

namespace kestrin {
namespace {

TEST(ConfigDocument, StartsAsTheUnchangedDefaultsWithoutAFile) {
  ConfigDocument doc;
  T_Command_DEVICE defaults;
  defaults.SetDefaults();
  EXPECT_EQ(WriteConfigTextCrLf(doc.edited), WriteConfigTextCrLf(defaults));
  EXPECT_TRUE(doc.LoadedPath().empty());
  EXPECT_FALSE(doc.ReadOnly());
  EXPECT_FALSE(doc.IsChanged());
  EXPECT_EQ(doc.BaselineText(), WriteConfigTextCrLf(defaults));
}

TEST(ConfigDocument, AnEditShowsUntilTheModelIsStoredOrLoaded) {
  ConfigDocument doc;
  doc.edited.SetSirenTime(123);
  EXPECT_TRUE(doc.IsChanged());
  doc.Stored();
  EXPECT_FALSE(doc.IsChanged());
  EXPECT_EQ(doc.BaselineText(), WriteConfigTextCrLf(doc.edited));

  doc.edited.SetSirenTime(124);
  doc.Loaded("/work/config.ini");
  EXPECT_FALSE(doc.IsChanged());
  EXPECT_EQ(doc.LoadedPath(), "/work/config.ini");
}

TEST(ConfigDocument, ResetGivesTheDefaultsAndForgetsTheFileButNotTheText) {
  ConfigDocument doc;
  doc.text.SetBytes("SIREN_TIME=5\r\n");
  doc.edited.SetSirenTime(5);
  doc.Loaded("/work/a.ini");
  doc.SetReadOnly(true);
  doc.Reset();
  T_Command_DEVICE defaults;
  defaults.SetDefaults();
  EXPECT_EQ(WriteConfigTextCrLf(doc.edited), WriteConfigTextCrLf(defaults));
  EXPECT_TRUE(doc.LoadedPath().empty());
  EXPECT_FALSE(doc.IsChanged());
  EXPECT_FALSE(doc.text.Empty());  // the caller decides about the text
  EXPECT_TRUE(doc.ReadOnly());     // the lock rule decides about read-only
}

// The document reads text after text with the same stream: each load starts
// from the defaults and nothing of the text before is left over.
TEST(ConfigDocument, LoadFormFromFileReadsTheBufferOverTheDefaultsAndCompletesTheKey) {
  ConfigDocument doc;
  doc.text.SetBytes("st-120\r\nks1-AB12\r\nlm2-3.40\r\n");
  doc.LoadFormFromFile("zz");
  EXPECT_EQ(doc.edited.GetSirenTime(), 120);
  EXPECT_EQ(doc.edited.GetLoopType(2), 3);
  EXPECT_EQ(doc.edited.GetFileKey(), "AB12");
  EXPECT_EQ(doc.edited.GetOldFileKey(), "zz");

  doc.text.SetBytes("lm3-2.10");
  doc.LoadFormFromFile("");
  T_Command_DEVICE defaults;
  defaults.SetDefaults();
  EXPECT_EQ(doc.edited.GetLoopType(3), 2);
  EXPECT_EQ(doc.edited.GetLoopDelay(3), 10);
  EXPECT_EQ(doc.edited.GetSirenTime(), defaults.GetSirenTime());
  EXPECT_EQ(doc.edited.GetLoopType(2), defaults.GetLoopType(2));
  EXPECT_EQ(doc.edited.GetFileKey(), "");
  EXPECT_EQ(doc.edited.GetOldFileKey(), "");
}

}  // namespace
}  // namespace kestrin
