#include "model/reader.h"
#include "model/reader_internal.h"

#include <gtest/gtest.h>

#include "model/writer.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

using test::W;

// The word steps as the tests drive them, over a lexeme: the code is
// lower-cased in place and a number never names a command.
int IdentifyCommand(TLexema& lexeme) {
  if (lexeme.Kind() == kLexNumber) return 0;
  for (char& c : lexeme.MutableText()) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return kestrin::IdentifyCommand(lexeme.Text());
}

int32_t ReadSubscript(const TLexema& lexeme, int row) { return kestrin::ReadSubscript(lexeme.Text(), row); }

T_Command_DEVICE Read(const std::string& text) {
  T_Command_DEVICE m;
  LoadConfigText(text, m);
  return m;
}

PartitionSet Set(std::initializer_list<int> parts) {
  PartitionSet s = 0;
  for (int p : parts) s |= PartitionBit(p);
  return s;
}

std::vector<int> List(const T_Command_DEVICE& m, int row, int index) {
  std::vector<int> out;
  for (int i = 1; i <= 8; ++i) out.push_back(m.Element(row, index)->ListItem(i));
  return out;
}

TEST(Identify, LowerCasesLatinAndNeedsDigitOrEndAfterCode) {
  TLexema lex;
  lex.SetKind(kLexWord);
  lex.SetText("LM3");
  EXPECT_EQ(IdentifyCommand(lex), kRowLoopMode);
  EXPECT_EQ(lex.Text(), "lm3");
  lex.SetText("lmx");
  EXPECT_EQ(IdentifyCommand(lex), 0);
  lex.SetText("kestrin");
  EXPECT_EQ(IdentifyCommand(lex), kRowVersion);
  lex.SetText("!!");
  EXPECT_EQ(IdentifyCommand(lex), kRowPassword);
  lex.SetText(W("Ст"));  // Cyrillic stays as it is and matches nothing
  EXPECT_EQ(IdentifyCommand(lex), 0);
  EXPECT_EQ(lex.Text(), W("Ст"));
  lex.SetKind(kLexNumber);
  lex.SetText("12");
  EXPECT_EQ(IdentifyCommand(lex), 0);
}

TEST(Identify, SubscriptRules) {
  TLexema lex;
  lex.SetKind(kLexWord);
  lex.SetText("ua05");
  EXPECT_EQ(ReadSubscript(lex, kRowKeyUser), 5);
  lex.SetText("ua250");
  EXPECT_EQ(ReadSubscript(lex, kRowKeyUser), 250);
  lex.SetText("ua251");
  EXPECT_EQ(ReadSubscript(lex, kRowKeyUser), -1);
  lex.SetText("ua0");
  EXPECT_EQ(ReadSubscript(lex, kRowKeyUser), -1);
  lex.SetText("ua");
  EXPECT_EQ(ReadSubscript(lex, kRowKeyUser), -1);
  lex.SetText("ua5x");
  EXPECT_EQ(ReadSubscript(lex, kRowKeyUser), -1);
  lex.SetText("st5");
  EXPECT_EQ(ReadSubscript(lex, kRowSirenTime), 0);
  lex.SetText("ua" + std::string(40, '9'));
  EXPECT_EQ(ReadSubscript(lex, kRowKeyUser), -1);
  lex.SetText("ua00000000000000000000007");  // leading zeros are no overflow
  EXPECT_EQ(ReadSubscript(lex, kRowKeyUser), 7);
}

TEST(Reader, IntegersOutsideTheirLimitsTakeTheRowDefault) {
  auto m = Read("st-1200\r\nrm2-0.0\r\nlm1-20.90\r\nez-0\r\nlm2-1.200\r\nxo3-181\r\n");
  EXPECT_EQ(m.GetSirenTime(), 90);
  EXPECT_EQ(m.GetRelayType(2), 0);
  EXPECT_EQ(m.GetRelayTime(2), 90);
  EXPECT_EQ(m.GetLoopType(1), 7);
  EXPECT_EQ(m.GetLoopDelay(1), 90);
  EXPECT_EQ(m.GetIndicatorPartition(), 1);
  EXPECT_EQ(m.GetLoopType(2), 1);
  EXPECT_EQ(m.GetLoopDelay(2), 90);
  EXPECT_EQ(m.GetExitDelay(3), 90);
}

TEST(Reader, MissingSecondInteger) {
  auto m = Read("lm1-7\r\nrm3-5\r\n");
  EXPECT_EQ(m.GetLoopType(1), 7);
  EXPECT_EQ(m.GetLoopDelay(1), 0);   // 0 lies within the delay limits
  EXPECT_EQ(m.GetRelayType(3), 5);
  EXPECT_EQ(m.GetRelayTime(3), 90);  // 0 does not: default
  // At the very end of the text the second value sees EndOfText: dropped.
  auto n = Read("lm1-3");
  EXPECT_EQ(n.GetLoopType(1), 7);
}

TEST(Reader, CaseSubscriptsAndDroppedCommands) {
  auto m = Read("LM3-4.30\r\nst5-60\r\nlm9-1.10\r\nua0-x\r\nks-abc\r\n");
  EXPECT_EQ(m.GetLoopType(3), 4);
  EXPECT_EQ(m.GetLoopDelay(3), 30);
  EXPECT_EQ(m.GetSirenTime(), 60);
  EXPECT_EQ(m.GetFileKey(), "");
  EXPECT_EQ(m.GetOldFileKey(), "");
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(m.GetLoopType(i), i == 3 ? 4 : 7);
}

TEST(Reader, CommandWordsInAnyCase) {
  auto m = Read("KeStRiN-Config X\r\nUZ3-2,4\r\nUa01-Name.ab*\r\nSt-60\r\nKS1.abc\r\n");
  EXPECT_EQ(m.GetVersion(), "Config X");
  EXPECT_EQ(m.GetKeyPartitions(3), Set({2, 4}));
  EXPECT_EQ(m.GetKeyName(1), "Name");
  EXPECT_EQ(m.GetSirenTime(), 60);
  // The command word that starts a rest-of-line value keeps its case.
  EXPECT_EQ(m.GetFileKey(), "KS1 abc");
}

TEST(Reader, PunctuationAfterACommandWordRetriesTheCommand) {
  auto m = Read("lm1.-5.10\r\n");
  EXPECT_EQ(m.GetLoopType(1), 5);
  EXPECT_EQ(m.GetLoopDelay(1), 10);
}

TEST(Reader, KeyLines) {
  std::string line = W("ua07-!Кассир   .000000000CBA") + "\r\n";
  auto m = Read(line + "ua08-*Обход.1234*\r\nua09-x.a1b\r\nua10-.\r\n");
  EXPECT_EQ(m.GetKeyNameText(7), W("!Кассир"));
  EXPECT_EQ(m.GetKeyMode(7), 1);
  EXPECT_EQ(m.GetKeyCode(7), "ABC000000000");
  EXPECT_EQ(m.GetKeyCode(8), "************");
  EXPECT_EQ(m.GetKeyMode(8), 2);
  // Short codes: padded with "0" at the end, upper-cased, then reversed.
  EXPECT_EQ(m.GetKeyCode(9), "000000000B1A");
  EXPECT_EQ(m.GetKeyName(10), "");
  EXPECT_EQ(m.GetKeyCode(10), "");
  // A code longer than 12 is not cut.
  auto n = Read("ua11-x.0123456789abcdef\r\n");
  EXPECT_EQ(n.GetKeyCode(11), "FEDCBA9876543210");
}

TEST(Reader, Lists) {
  auto m = Read("zn2-1,,3\r\nzn3-\r\nzn4-1,2,3,4,5,6,7,8,9\r\nrz1-2,4\r\nuz17-3\r\nsz-5,6\r\n");
  EXPECT_EQ(List(m, kRowLoopParts, 1), (std::vector<int>{1, 0, 3, 0, 0, 0, 0, 0}));
  EXPECT_EQ(List(m, kRowLoopParts, 2), (std::vector<int>(8, 0)));
  EXPECT_EQ(List(m, kRowLoopParts, 3), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(m.GetRelayPartitions(1), Set({2, 4}));
  EXPECT_EQ(m.GetKeyPartitions(17), Set({3}));
  EXPECT_EQ(m.GetSirenPartitions(), Set({5, 6}));
}

TEST(Reader, WordTextsEndAtADot) {
  auto m = Read(W("oa-Объект № 5. Корпус 2\r\nla3-  Склад  \r\n!!-pass\r\n"));
  EXPECT_EQ(m.Element(kRowDeviceName, 0)->Text(1), W("Объект № 5"));
  EXPECT_EQ(m.GetLoopName(3), W("Склад"));
  EXPECT_EQ(m.GetPasswordCommand(), "pass");
}

TEST(Reader, RestOfLineKeepsDotsAsWritten) {
  auto m = Read("Kestrin-Config RQX7 soft v.3.0\r\nks1-GSM ver3.0 rev.3\r\nks2-a. b..c\r\n");
  EXPECT_EQ(m.GetVersion(), "Config RQX7 soft v.3.0");
  EXPECT_EQ(m.GetFileKey(), "GSM ver3.0 rev.3");
  EXPECT_EQ(m.GetOldFileKey(), "a. b..c");
}

TEST(Reader, RestOfLineCarriedWords) {
  // A dot right after the command word: the word itself starts the value.
  auto m = Read("ks1.abc\r\n");
  EXPECT_EQ(m.GetFileKey(), "ks1 abc");
  // Nothing after "ks1" on its line: the next line is taken.
  auto n = Read("ks1\r\nst-60\r\n");
  EXPECT_EQ(n.GetFileKey(), "#10 st-60");
  EXPECT_EQ(n.GetSirenTime(), 90);
}

TEST(Reader, HeaderBecomesTheVersionWhenThereIsNoVersionCommand) {
  auto m = Read("Config RQX7 soft v.3.0\r\nst-60\r\n");
  EXPECT_EQ(m.GetVersion(), "config rqx7 soft v.3.0");
  EXPECT_EQ(m.GetSirenTime(), 60);
  auto e = Read("");
  EXPECT_EQ(e.GetVersion(), "??????");
  auto n = Read("\r\n  \r\nfe\r\n");
  EXPECT_EQ(n.GetVersion(), "??????");
  auto nums = Read("007 12-3\r\n");
  EXPECT_EQ(nums.GetVersion(), "7 12-3");
}

TEST(Reader, LaterOccurrenceWinsAndAbsentInstancesKeepTheirValues) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetLoopType(5, 2);
  T_Command scratch;
  TLexPipe pipe;
  pipe.SetText("st-10\r\nst-20\r\n");
  ReadConfigText(scratch, pipe, m);
  EXPECT_EQ(m.GetSirenTime(), 20);
  EXPECT_EQ(m.GetLoopType(5), 2);
}

TEST(ReaderFixes, FailedCommandLeavesNothingInTheScratchElement) {
  // The failed zn3 (a word where a comma was expected) must not leak its
  // positions into the shorter zn4 list.
  auto m = Read("zn3-1,2,3,4,5,6,7 8\r\nzn4-2\r\n");
  EXPECT_EQ(List(m, kRowLoopParts, 3), (std::vector<int>{2, 0, 0, 0, 0, 0, 0, 0}));
  // A key line that fails after its name leaves the name in the scratch
  // element; a "ks2" cut short by the end of the text must not store it.
  auto k = Read("ua05-abc$x\r\nks2-");
  EXPECT_EQ(k.GetKeyName(5), "");
  EXPECT_EQ(k.GetOldFileKey(), "");
}

TEST(ReaderFixes, LineFeedOnlyAndCarriageReturnOnlyTextsRaw) {
  // The lexer's own rule stays: with bare LF after a list, the next line's
  // command word arrives where a comma was expected.
  auto m = Read("zn1-1,2\nzn2-3\nst-60\r\n");
  EXPECT_EQ(List(m, kRowLoopParts, 0), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(List(m, kRowLoopParts, 1), (std::vector<int>(8, 0)));
  EXPECT_EQ(m.GetSirenTime(), 60);
  auto n = Read("st-90\nbv-2\n");
  EXPECT_EQ(n.GetBuzzerVolume(), 2);
}

TEST(Reader, NeverHangsOnHostileText) {
  std::string junk;
  for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 7919) % 256);
  auto m = Read(junk);
  EXPECT_FALSE(m.GetVersion().empty());
  std::string longLine = "ks1-" + std::string(200000, 'x') + "\r\n";
  auto n = Read(longLine);
  EXPECT_EQ(n.GetFileKey().size(), 200000u);
  auto d = Read(std::string("st-5\0\r\nbv-2\r\n", 13));
  EXPECT_EQ(d.GetSirenTime(), 5);
}

}  // namespace
}  // namespace kestrin
