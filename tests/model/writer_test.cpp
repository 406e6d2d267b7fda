#include "model/writer.h"
#include "model/writer_internal.h"

#include <gtest/gtest.h>

#include "model/reader.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

using test::W;

std::string Trimmed(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

std::vector<std::string> Lines(const T_Command_DEVICE& m) {
  std::vector<std::string> lines;
  WriteConfigText(m, lines);
  return lines;
}

TEST(Writer, DefaultTextIsThe561ListedLines) {
  T_Command_DEVICE m;
  m.SetDefaults();
  auto lines = Lines(m);
  ASSERT_EQ(lines.size(), 561u);
  for (const auto& l : lines) EXPECT_EQ(l.size(), 45u) << l;
  EXPECT_EQ(Trimmed(lines[0]), "Kestrin-Config RQX7 soft v.3.0");
  EXPECT_EQ(Trimmed(lines[1]), "fe");
  EXPECT_EQ(Trimmed(lines[2]), "ks2-");
  EXPECT_EQ(Trimmed(lines[3]), "ks1-");
  std::vector<std::string> singles = {"!!-", "oa-", "sk-0", "ci-1", "lf-1", "bv-1",
                                      "st-90", "sz-", "al-3", "el-90"};
  for (size_t i = 0; i < singles.size(); ++i) EXPECT_EQ(Trimmed(lines[4 + i]), singles[i]);
  EXPECT_EQ(Trimmed(lines[14]), "la1-");
  EXPECT_EQ(Trimmed(lines[22]), "lm1-7.90");
  EXPECT_EQ(Trimmed(lines[30]), "xo1-90");
  EXPECT_EQ(Trimmed(lines[38]), "rm1-4.90");
  EXPECT_EQ(Trimmed(lines[39]), "rm2-2.90");
  EXPECT_EQ(Trimmed(lines[40]), "rm3-0.90");
  EXPECT_EQ(Trimmed(lines[42]), "rz1-1");
  EXPECT_EQ(Trimmed(lines[44]), "rz3-");
  EXPECT_EQ(Trimmed(lines[46]), "br-0");
  EXPECT_EQ(lines[47].substr(0, 16), "ua01-" + std::string(10, ' ') + ".");
  EXPECT_EQ(lines[47 + 99].substr(0, 16), "ua100-" + std::string(9, ' ') + ".");
  EXPECT_EQ(lines[296].substr(0, 16), "ua250-" + std::string(9, ' ') + ".");
  EXPECT_EQ(Trimmed(lines[297]), "lc-0");
  EXPECT_EQ(Trimmed(lines[300]), "zn1-1,2,3,4,5,6,7,8");
  EXPECT_EQ(Trimmed(lines[301]), "zn2-");
  EXPECT_EQ(Trimmed(lines[308]), "ez-1");
  EXPECT_EQ(Trimmed(lines[309]), "uz1-1");
  EXPECT_EQ(Trimmed(lines[558]), "uz250-1");
  EXPECT_EQ(Trimmed(lines[559]), "tb-1");
  EXPECT_EQ(Trimmed(lines[560]), "pr-0");
}

TEST(Writer, LoopAndRelayLines) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetLoopType(2, 1);
  m.SetLoopDelay(2, 30);
  EXPECT_EQ(FormatCommandLine(m, kRowLoopMode, 1), "lm2-1.30");
  m.SetLoopDelay(2, 200);  // outside 0..180: the line ends after value 1
  EXPECT_EQ(FormatCommandLine(m, kRowLoopMode, 1), "lm2-1");
  m.SetRelayType(3, 10);
  m.SetRelayPartitions(3, PartitionBit(2) | PartitionBit(4));
  EXPECT_EQ(FormatCommandLine(m, kRowRelayMode, 2), "rm3-10.90");
  EXPECT_EQ(FormatCommandLine(m, kRowRelayParts, 2), "rz3-2,4");
  m.SetSirenTime(-5);
  EXPECT_EQ(FormatCommandLine(m, kRowSirenTime, 0), "st--5");
  EXPECT_EQ(FormatCommandLine(m, kRowNone, 0), "");
  EXPECT_EQ(FormatCommandLine(m, kRowEnd, 0), "");
  EXPECT_EQ(FormatCommandLine(m, kRowFe, 0), "fe");
}

TEST(Writer, ListsWithHolesAreCompacted) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetLoopPartition(3, 2);
  EXPECT_EQ(FormatCommandLine(m, kRowLoopParts, 0), "zn1-1,2,4,5,6,7,8");
  EXPECT_EQ(FormatCommandLine(m, kRowLoopParts, 1), "zn2-3");
}

TEST(Writer, KeyLinesPadTheNameFieldAndReverseTheCode) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetKeyName(7, W("Кассир"));
  m.SetKeyMode(7, 1);
  m.SetKeyCode(7, "ABC");
  auto lines = Lines(m);
  const std::string& l = lines[47 + 6];
  std::string head = "ua07-" + W("!Кассир");
  EXPECT_EQ(l.substr(0, 15), head + std::string(15 - head.size(), ' '));
  EXPECT_EQ(Trimmed(l.substr(15)), ".000000000CBA");
  EXPECT_EQ(l.size(), 45u);
  // A name field already 15 long gets no spaces before the dot.
  m.SetKeyMode(8, 2);
  m.SetKeyName(8, "ABCDEFGHIJ");
  lines = Lines(m);
  EXPECT_EQ(Trimmed(lines[47 + 7]), "ua08-*ABCDEFGHI.");
  m.Element(kRowKeyUser, 8)->SetText(1, "0123456789");
  lines = Lines(m);
  EXPECT_EQ(Trimmed(lines[47 + 8]), "ua09-0123456789.");
}

TEST(Writer, PadLine) {
  std::string s = "abc";
  PadLine(s);
  EXPECT_EQ(s, "abc" + std::string(42, ' '));
  std::string longer(50, 'x');
  PadLine(longer);
  EXPECT_EQ(longer.size(), 50u);
}

TEST(Writer, LongTextsAreWrittenWhole) {
  T_Command_DEVICE m;
  m.SetDefaults();
  std::string key;
  for (int i = 0; i < 3000; ++i) key += static_cast<char>('a' + i % 26);
  m.SetFileKey(key);
  m.SetLoopName(2, std::string(700, 'n'));
  const auto lines = Lines(m);
  EXPECT_EQ(FormatCommandLine(m, kRowFileKey, 0), "ks1-" + key);
  EXPECT_EQ(FormatCommandLine(m, kRowLoopName, 1), "la2-" + std::string(700, 'n'));
  T_Command_DEVICE back;
  LoadConfigText(WriteConfigTextCrLf(m), back);
  EXPECT_EQ(back.GetFileKey(), key);
  EXPECT_EQ(back.GetLoopName(2), std::string(700, 'n'));
  EXPECT_EQ(Lines(back), lines);
}

TEST(Writer, DefaultsAfterAFullConfigurationGiveTheDefaultText) {
  T_Command_DEVICE fresh;
  fresh.SetDefaults();
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetFileKey("key");
  m.SetOldFileKey("old");
  m.SetVersion("v");
  for (int l = 1; l <= 8; ++l) {
    m.SetLoopType(l, 3);
    m.SetLoopDelay(l, 20);
    m.SetLoopName(l, "n");
    m.SetLoopPartition(l, 8);
  }
  for (int r = 1; r <= 4; ++r) {
    m.SetRelayType(r, 6);
    m.SetRelayTime(r, 7);
    m.SetRelayPartitions(r, 0x1FE);
  }
  for (int k = 1; k <= 250; ++k) {
    m.SetKeyName(k, "k");
    m.SetKeyCode(k, "123");
    m.SetKeyPartitions(k, 0x0C);
  }
  m.SetSirenTime(5);
  m.SetIndicatorPartition(4);
  // Read over the edited model too: the reader's scratch values end up there.
  LoadConfigText(WriteConfigTextCrLf(m), m);
  ASSERT_NE(Lines(m), Lines(fresh));
  m.SetDefaults();
  EXPECT_EQ(Lines(m), Lines(fresh));
  m.SetDefaults();
  EXPECT_EQ(Lines(m), Lines(fresh));
}

TEST(Writer, ListIsAppendedNotCleared) {
  T_Command_DEVICE m;
  m.SetDefaults();
  std::vector<std::string> lines = {"keep"};
  WriteConfigText(m, lines);
  EXPECT_EQ(lines.size(), 562u);
  EXPECT_EQ(lines[0], "keep");
}

TEST(Writer, RoundTripDifferencesAreTheDocumentedOnes) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetIndicatorPartition(0);  // the editor offers 0; it reads back as 1
  m.SetRelayType(3, 0);
  m.SetLoopDelay(4, 500);      // not written: reads back as 0
  m.SetRelayTime(2, 0);        // not written: reads back as the default
  m.SetLoopName(1, "  a  ");
  T_Command_DEVICE back;
  LoadConfigText(WriteConfigTextCrLf(m), back);
  EXPECT_EQ(back.GetIndicatorPartition(), 1);
  EXPECT_EQ(back.GetRelayType(3), 0);
  EXPECT_EQ(back.GetLoopDelay(4), 0);
  EXPECT_EQ(back.GetRelayTime(2), 90);
  EXPECT_EQ(back.GetLoopName(1), "a");
}

}  // namespace
}  // namespace kestrin
