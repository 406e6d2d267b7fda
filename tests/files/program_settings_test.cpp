#include "files/program_settings.h"

#include <gtest/gtest.h>

#include "model/codec.h"

namespace kestrin {
namespace {

std::string U(const char* utf8) { return Utf8ToCp1251(utf8); }

TEST(ProgramSettings, DefaultsWithoutAnyStoredValue) {
  const ProgramSettings s = DefaultSettings("/opt/velmar/");
  EXPECT_FALSE(s.HideHint);
  EXPECT_EQ(s.PortTM, 0);
  EXPECT_EQ(s.ListPathSave, "/opt/velmar/");
  EXPECT_FALSE(s.ListModeOpenSave);
  EXPECT_TRUE(s.MaskMode);
  EXPECT_EQ(s.MaskPref, "RQX7");
  EXPECT_EQ(s.MaskDelim1, "_");
  EXPECT_EQ(s.MaskDelim2, "_");
  EXPECT_EQ(s.MaskDelim3, "_");
  EXPECT_EQ(s.MaskSuff, "");
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(s.MaskIdent(n), n);
  // The save command composes with an empty alias and identifier.
  EXPECT_EQ(ComposeFileName(s, "", ""), "RQX7.ini");
  EXPECT_EQ(Cp1251ToUtf8(ComposeFileName(s, SampleAlias(), SampleIdent())),
            "RQX7_ПСЕВДОНИМN_AAAABBBBCCCC.ini");
}

TEST(ProgramSettings, ComposeSkipsEmptyElementsAndKeepsThePendingDelimiter) {
  ProgramSettings s = DefaultSettings("");
  s.MaskIdent2 = kMaskEmpty;
  EXPECT_EQ(ComposeFileName(s, SampleAlias(), SampleIdent()), "RQX7_AAAABBBBCCCC.ini");

  // The delimiter before a value is the one after the last non-empty element.
  s = DefaultSettings("");
  s.MaskDelim1 = "-";
  s.MaskDelim2 = "+";
  s.MaskDelim3 = "=";
  s.MaskSuff = "END";
  EXPECT_EQ(ComposeFileName(s, "A", "I"), "RQX7-A+I=END.ini");
  EXPECT_EQ(ComposeFileName(s, "", "I"), "RQX7-I=END.ini");
  EXPECT_EQ(ComposeFileName(s, "A", ""), "RQX7-A+END.ini");
  s.MaskPref = "";
  EXPECT_EQ(ComposeFileName(s, "", ""), "END.ini");  // no leading delimiter

  // All delimiters empty: the parts are simply joined.
  s = DefaultSettings("");
  s.MaskDelim1 = s.MaskDelim2 = s.MaskDelim3 = "";
  s.MaskSuff = "S";
  EXPECT_EQ(ComposeFileName(s, "A", "I"), "RQX7AIS.ini");

  // Every element "Пусто", or an unknown kind, gives the bare extension.
  EXPECT_EQ(ComposeFileName({0, 0, 0, 0}, "P", "A", "I", "S", {"_", "_", "_"}), ".ini");
  EXPECT_EQ(ComposeFileName({9, -1, 3, 0}, "P", "A", "I", "S", {"_", "_", "_"}), "I.ini");
  // Kinds may repeat and reorder.
  EXPECT_EQ(ComposeFileName({4, 3, 1, 1}, "P", "A", "I", "S", {"1", "2", "3"}), "S1I2P3P.ini");
}

TEST(ProgramSettings, StoredKindsOutsideTheRangeReadAsTheElementDefault) {
  EXPECT_EQ(MaskKindOrDefault(9, 3), kMaskIdent);
  EXPECT_EQ(MaskKindOrDefault(-1, 1), kMaskPrefix);
  EXPECT_EQ(MaskKindOrDefault(5, 4), kMaskSuffix);
  EXPECT_EQ(MaskKindOrDefault(0, 4), kMaskEmpty);
  EXPECT_EQ(MaskKindOrDefault(4, 1), kMaskSuffix);

  ProgramSettings s = DefaultSettings("");
  s.MaskIdent1 = 0;
  s.MaskIdent3 = 9;
  NormalizeSettings(s);
  EXPECT_EQ(s.MaskIdent1, 0);
  EXPECT_EQ(s.MaskIdent3, 3);
}

TEST(ProgramSettings, MaskTextsFromTheStoreAreCleanedToWhatTheDialogAllows) {
  for (char c : std::string("\"*/:<>?\\|")) EXPECT_TRUE(IsRefusedMaskChar(c)) << c;
  for (char c : std::string("aZ09_-.")) EXPECT_FALSE(IsRefusedMaskChar(c)) << c;
  EXPECT_FALSE(IsRefusedMaskChar(U("Ж")[0]));

  ProgramSettings s = DefaultSettings("");
  s.MaskPref = "../..\\etc/x";
  s.MaskSuff = U("Ж12345678901234");
  s.MaskDelim1 = ":";
  s.MaskDelim2 = "ab";
  s.MaskDelim3 = "\t";
  NormalizeSettings(s);
  EXPECT_EQ(s.MaskPref, "....etcx");
  EXPECT_EQ(s.MaskSuff, U("Ж123456789"));
  EXPECT_EQ(s.MaskDelim1, "");
  EXPECT_EQ(s.MaskDelim2, "a");
  EXPECT_EQ(s.MaskDelim3, "");
  EXPECT_EQ(ComposeFileName(s, "", "").find('/'), std::string::npos);
}

TEST(ProgramSettings, TrailingDelimiter) {
  const std::string d(1, kPathDelimiter);
  EXPECT_EQ(WithTrailingDelimiter(""), d);
  EXPECT_EQ(WithTrailingDelimiter("abc"), "abc" + d);
  EXPECT_EQ(WithTrailingDelimiter("abc" + d), "abc" + d);
#ifdef _WIN32
  // Either slash ends a Windows folder; the drive root keeps its backslash.
  EXPECT_EQ(d, "\\");
  EXPECT_EQ(WithTrailingDelimiter("C:/Конфиги/"), "C:/Конфиги/");
  EXPECT_EQ(WithTrailingDelimiter("E:"), "E:\\");
#else
  EXPECT_EQ(d, "/");
  EXPECT_EQ(WithTrailingDelimiter("/a\\"), "/a\\/");
#endif
}

TEST(ProgramSettings, IndexedAccessorsIgnoreIndicesOutOfRange) {
  ProgramSettings s;
  s.SetMaskIdent(2, 0);
  s.SetMaskIdent(5, 0);
  s.SetMaskDelim(3, "-");
  s.SetMaskDelim(0, "x");
  EXPECT_EQ(s.MaskIdent2, 0);
  EXPECT_EQ(s.MaskIdent(5), 0);
  EXPECT_EQ(s.MaskDelim3, "-");
  EXPECT_EQ(s.MaskDelim(0), "");
  EXPECT_EQ(s.MaskDelim1, "_");
}

}  // namespace
}  // namespace kestrin
