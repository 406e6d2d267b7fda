#include "model/device.h"

#include <gtest/gtest.h>

#include "model/catalogues.h"
#include "support/test_partitions.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

using test::Set;
using test::W;

std::vector<int> ZnList(const T_Command_DEVICE& m, int partition) {
  std::vector<int> out;
  const T_Command* e = m.Element(kRowLoopParts, partition - 1);
  for (int i = 1; i <= 8; ++i) out.push_back(e->ListItem(i));
  return out;
}

TEST(CommandTable, ShapesOfTheRows) {
  T_Command_DEVICE m;
  EXPECT_EQ(m.ElementCount(kRowFileKey), 2);
  EXPECT_EQ(m.ElementCount(kRowLoopName), 8);
  EXPECT_EQ(m.ElementCount(kRowRelayMode), 4);
  EXPECT_EQ(m.ElementCount(kRowKeyUser), 250);
  EXPECT_EQ(m.ElementCount(kRowKeyParts), 250);
  EXPECT_EQ(m.ElementCount(kRowSirenTime), 1);
  EXPECT_EQ(m.ElementCount(kRowNone), 1);
  EXPECT_EQ(m.Element(kRowKeyUser, 249)->Subscript(), 250);
  EXPECT_EQ(m.Element(kRowFileKey, 0)->Subscript(), 1);
  EXPECT_EQ(m.Element(kRowSirenTime, 0)->Subscript(), 0);
  // Comments are padded to 45 bytes, the longer one is kept whole.
  EXPECT_EQ(RowComment(kRowLoopName).size(), 45u);
  EXPECT_EQ(RowComment(kRowLoopName), W("; Имя ШЛ") + std::string(37, ' '));
  EXPECT_EQ(RowComment(kRowBackupSignal).size(), 47u);
}

TEST(Model, CreateGivesTableDefaultsOnly) {
  T_Command_DEVICE m;
  EXPECT_EQ(m.GetSirenTime(), 90);
  EXPECT_EQ(m.GetLoopType(3), 7);
  EXPECT_EQ(m.GetRelayTime(2), 90);
  EXPECT_EQ(m.GetRelayType(1), 0);        // row defaults, not the panel's relay set-up
  EXPECT_EQ(m.GetLoopPartition(1), 0);
  EXPECT_EQ(m.GetVersion(), "");
}

TEST(Model, SetDefaultsAppliesTheRowSpecificDefaults) {
  T_Command_DEVICE m;
  m.SetSirenTime(5);
  m.SetKeyName(3, "abc");
  m.SetDefaults();
  EXPECT_EQ(m.GetVersion(), "Config RQX7 soft v.3.0");
  for (int loop = 1; loop <= 8; ++loop) EXPECT_EQ(m.GetLoopPartition(loop), 1) << loop;
  EXPECT_EQ(ZnList(m, 1), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(ZnList(m, 2), (std::vector<int>(8, 0)));
  EXPECT_EQ(m.GetRelayPartitions(1), Set({1}));
  EXPECT_EQ(m.GetRelayPartitions(2), Set({1}));
  EXPECT_EQ(m.GetRelayPartitions(3), 0);
  EXPECT_EQ(m.GetRelayPartitions(4), 0);
  EXPECT_EQ(m.GetKeyPartitions(1), Set({1}));
  EXPECT_EQ(m.GetKeyPartitions(250), Set({1}));
  EXPECT_EQ(m.GetSirenPartitions(), 0);
  EXPECT_EQ(m.GetRelayType(1), 4);
  EXPECT_EQ(m.GetRelayType(2), 2);
  EXPECT_EQ(m.GetRelayType(3), 0);
  EXPECT_EQ(m.GetRelayType(4), 0);
  EXPECT_EQ(m.GetIndicatorPartition(), 1);
  EXPECT_EQ(m.GetSirenTime(), 90);
  EXPECT_EQ(m.GetKeyName(3), "");
}

TEST(Model, LoopMembershipKeepsHoles) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetLoopPartition(3, 2);
  EXPECT_EQ(ZnList(m, 1), (std::vector<int>{1, 2, 0, 4, 5, 6, 7, 8}));
  EXPECT_EQ(ZnList(m, 2), (std::vector<int>{3, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(m.GetLoopPartition(3), 2);
  m.SetLoopPartition(3, 1);
  EXPECT_EQ(ZnList(m, 1), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(ZnList(m, 2), (std::vector<int>(8, 0)));
  // Partition 0 only removes; bad loops and partitions change nothing else.
  m.SetLoopPartition(5, 0);
  EXPECT_EQ(m.GetLoopPartition(5), 0);
  m.SetLoopPartition(9, 1);
  m.SetLoopPartition(0, 1);
  m.SetLoopPartition(6, 9);
  EXPECT_EQ(m.GetLoopPartition(6), 0);
  EXPECT_EQ(m.GetLoopPartition(9), 0);
  EXPECT_EQ(m.GetLoopPartition(0), 0);
}

TEST(Model, LoopMembershipFirstPartitionWins) {
  T_Command_DEVICE m;
  m.Element(kRowLoopParts, 3)->SetListItem(5, 2);  // zn4 holds loop 2
  m.Element(kRowLoopParts, 6)->SetListItem(1, 2);  // zn7 too
  EXPECT_EQ(m.GetLoopPartition(2), 4);
}

TEST(Model, KeyNamesModesAndMarks) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetKeyName(5, W("Кассир"));
  m.SetKeyMode(5, 1);
  EXPECT_EQ(m.GetKeyNameText(5), W("!Кассир"));
  EXPECT_EQ(m.GetKeyName(5), W("Кассир"));
  EXPECT_EQ(m.GetKeyMode(5), 1);
  m.SetKeyName(5, W("Бухгалтерия"));
  EXPECT_EQ(m.GetKeyNameText(5), W("!Бухгалтер"));
  EXPECT_EQ(m.GetKeyName(5), W("Бухгалтер"));
  m.SetKeyMode(5, 2);
  EXPECT_EQ(m.GetKeyNameText(5), W("*Бухгалтер"));
  m.SetKeyMode(5, 7);  // any other mode: no mark
  EXPECT_EQ(m.GetKeyNameText(5), W("Бухгалтер"));
  EXPECT_EQ(m.GetKeyMode(5), 0);
  // An unmarked name is cut to 10 and given whole.
  m.SetKeyName(6, "abcdefghijkl");
  EXPECT_EQ(m.GetKeyName(6), "abcdefghij");
  // A marked stored text longer than 10 is cut before the mark goes.
  m.Element(kRowKeyUser, 6)->SetText(1, "*abcdefghijkl");
  EXPECT_EQ(m.GetKeyName(7), "abcdefghi");
  EXPECT_EQ(m.GetKeyMode(7), 2);
  EXPECT_EQ(m.GetKeyMode(8), 0);  // empty text
}

TEST(Model, KeyCodesArePaddedWithZeros) {
  T_Command_DEVICE m;
  m.SetKeyCode(1, "A1B2");
  EXPECT_EQ(m.GetKeyCode(1), "A1B2" + std::string(8, '0'));
  m.SetKeyCode(1, "");
  EXPECT_EQ(m.GetKeyCode(1), "");
  m.SetKeyCode(2, "0123456789ABCDEF");
  EXPECT_EQ(m.GetKeyCode(2), "0123456789ABCDEF");
}

TEST(Model, BadIndicesReadEmptyAndWriteNothing) {
  T_Command_DEVICE m;
  m.SetDefaults();
  for (int bad : {0, -1, 9, 1000}) {
    EXPECT_EQ(m.GetLoopType(bad), 0);
    EXPECT_EQ(m.GetLoopDelay(bad), 0);
    EXPECT_EQ(m.GetLoopName(bad), "");
    EXPECT_EQ(m.GetExitDelay(bad), 0);
    m.SetLoopType(bad, 3);
    m.SetExitDelay(bad, 3);
  }
  for (int bad : {0, 5, -3}) {
    EXPECT_EQ(m.GetRelayType(bad), 0);
    EXPECT_EQ(m.GetRelayTime(bad), 0);
    EXPECT_EQ(m.GetRelayPartitions(bad), 0);
    m.SetRelayTime(bad, 1);
  }
  for (int bad : {0, 251}) {
    EXPECT_EQ(m.GetKeyName(bad), "");
    EXPECT_EQ(m.GetKeyCode(bad), "");
    EXPECT_EQ(m.GetKeyMode(bad), 0);
    EXPECT_EQ(m.GetKeyPartitions(bad), 0);
    m.SetKeyName(bad, "x");
    m.SetKeyPartitions(bad, Set({2}));
  }
  T_Command_DEVICE fresh;
  fresh.SetDefaults();
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(m.GetLoopType(i), fresh.GetLoopType(i));
  EXPECT_EQ(m.GetKeyPartitions(250), Set({1}));
}

TEST(Model, SettersStoreUncheckedValuesExceptBackupMethod) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetSirenTime(5000);
  EXPECT_EQ(m.GetSirenTime(), 5000);
  m.SetLoopType(1, 13);
  EXPECT_EQ(m.GetLoopType(1), 13);
  m.SetBackupSignalMethod(1);
  m.SetBackupSignalMethod(2);
  EXPECT_EQ(m.GetBackupSignalMethod(), 1);
  m.SetBackupSignalMethod(-1);
  EXPECT_EQ(m.GetBackupSignalMethod(), 1);
  m.Element(kRowArmNoGprs, 0)->SetValue(1, 7);
  EXPECT_TRUE(m.GetArmWithoutGprs());
  m.SetArmWithoutGprs(false);
  EXPECT_EQ(m.Element(kRowArmNoGprs, 0)->Value(1), 0);
}

TEST(Model, LimitAccessors) {
  EXPECT_EQ(T_Command_DEVICE::ExitDelayLimit(0), 0);
  EXPECT_EQ(T_Command_DEVICE::ExitDelayLimit(1), 90);
  EXPECT_EQ(T_Command_DEVICE::ExitDelayLimit(2), 180);
  EXPECT_EQ(T_Command_DEVICE::IndicatorTimeLimit(0), 1);
  EXPECT_EQ(T_Command_DEVICE::IndicatorTimeLimit(2), 999);
  EXPECT_EQ(T_Command_DEVICE::SirenTimeLimit(2), 999);
  EXPECT_EQ(T_Command_DEVICE::RelayTimeLimit(0), 1);
  EXPECT_EQ(T_Command_DEVICE::LoopDelayLimit(2), 180);
  EXPECT_EQ(T_Command_DEVICE::LoopDelayLimit(3), 0);
  EXPECT_EQ(T_Command_DEVICE::RelayTimeLimit(-1), 0);
}

TEST(Element, OperationsAndIndexBounds) {
  T_Command e(kRowLoopMode, 3);
  EXPECT_EQ(e.Value(1), 7);
  EXPECT_EQ(e.Value(2), 90);
  EXPECT_EQ(e.Value(0), 3);
  e.SetValue(3, 55);
  EXPECT_EQ(e.Value(3), 0);
  e.SetText(3, "x");
  EXPECT_EQ(e.Text(3), "");
  e.SetListItem(9, 4);
  EXPECT_EQ(e.ListItem(9), 0);
  e.SetListItem(8, 4);
  e.SetText(1, "t");
  e.SetValue(1, 1);
  e.SetCount(5);
  e.Reset();
  EXPECT_EQ(e.Value(1), 7);
  EXPECT_EQ(e.ListItem(8), 0);
  EXPECT_EQ(e.Text(1), "");
  EXPECT_EQ(e.Count(), 5);
  EXPECT_EQ(e.Subscript(), 3);
  T_Command copy;
  e.SetText(2, "code");
  copy.CopyFrom(e);
  EXPECT_EQ(copy.Row(), kRowLoopMode);
  EXPECT_EQ(copy.Subscript(), 3);
  EXPECT_EQ(copy.Text(2), "code");
}

TEST(Formatting, PartitionRangesNumberListsAndPadding) {
  EXPECT_EQ(FormatPartitionRanges(Set({1, 2, 3, 5})), "1-3,5");
  EXPECT_EQ(FormatPartitionRanges(Set({1, 2, 3, 4, 5, 6, 7, 8})), "1-8");
  EXPECT_EQ(FormatPartitionRanges(Set({7, 8})), "7-8");
  EXPECT_EQ(FormatPartitionRanges(Set({4})), "4");
  EXPECT_EQ(FormatPartitionRanges(Set({1, 3, 4, 5, 8})), "1,3-5,8");
  EXPECT_EQ(FormatPartitionRanges(0), "");
  // Bits outside 1..8 are no partitions.
  EXPECT_EQ(FormatPartitionRanges(static_cast<PartitionSet>(PartitionBit(0) | PartitionBit(9))), "");
  EXPECT_EQ(FormatNumberList(Set({1, 2, 3, 5})), "1,2,3,5");
  std::bitset<256> nums;
  nums.set(0);
  nums.set(250);
  nums.set(251);
  nums.set(17);
  EXPECT_EQ(FormatNumberList(nums), "17,250");
  EXPECT_EQ(PadNumber(7, 2, '0'), "07");
  EXPECT_EQ(PadNumber(123, 2, '0'), "123");
  EXPECT_EQ(PadNumber(5, 4, ' '), "   5");
}

TEST(Formatting, ListAndSetConversions) {
  T_Command e(kRowRelayParts, 1);
  e.SetListItem(1, 3);
  e.SetListItem(2, 0);
  e.SetListItem(3, 15);  // not a partition but a bit of the set
  e.SetListItem(4, 16);  // ignored
  e.SetListItem(5, -2);  // ignored
  PartitionSet s = ListToPartitionSet(e);
  EXPECT_EQ(s, static_cast<PartitionSet>(PartitionBit(3) | PartitionBit(15)));
  PartitionSetToList(Set({2, 8}), e);
  EXPECT_EQ(e.ListItem(1), 2);
  EXPECT_EQ(e.ListItem(2), 8);
  for (int i = 3; i <= 8; ++i) EXPECT_EQ(e.ListItem(i), 0);
}

}  // namespace
}  // namespace kestrin
