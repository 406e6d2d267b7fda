#include "model/tab_rules.h"

#include <gtest/gtest.h>

#include "model/catalogues.h"

namespace kestrin {
namespace {

class TabRulesTest : public ::testing::Test {
 protected:
  void SetUp() override { m.SetDefaults(); }
  T_Command_DEVICE m;
};

TEST_F(TabRulesTest, LoopDelayTypesGetDefaultDelayAndOthersLoseIt) {
  for (int type : {1, 16}) {
    m.SetLoopType(2, 2);
    m.SetLoopDelay(2, 0);
    LoopRow row = Shleifs_SaveType(m, 2, type);
    EXPECT_EQ(m.GetLoopDelay(2), 90) << type;
    EXPECT_EQ(row.delay, "90");
    EXPECT_TRUE(row.delayEditable);
  }
  // A delay already set is kept.
  m.SetLoopDelay(2, 30);
  EXPECT_EQ(Shleifs_SaveType(m, 2, 1).delay, "30");
  // Back to a type without delay: stored as 0, cell empty, no editor.
  LoopRow row = Shleifs_SaveType(m, 2, 2);
  EXPECT_EQ(m.GetLoopDelay(2), 0);
  EXPECT_EQ(row.delay, "");
  EXPECT_FALSE(row.delayEditable);
  EXPECT_EQ(row.typeText, LoopTypeText(2));
}

TEST_F(TabRulesTest, LoopPartitionRulesByType) {
  // Patrol: removed from every partition, not editable.
  LoopRow row = Shleifs_SaveType(m, 3, 14);
  EXPECT_EQ(m.GetLoopPartition(3), 0);
  EXPECT_EQ(row.partition, "");
  EXPECT_FALSE(row.partitionEditable);
  // A guard type afterwards puts it into partition 1.
  row = Shleifs_SaveType(m, 3, 2);
  EXPECT_EQ(m.GetLoopPartition(3), 1);
  EXPECT_EQ(row.partition, "1");
  EXPECT_TRUE(row.partitionEditable);
  // A loop already in a partition stays there.
  m.SetLoopPartition(3, 6);
  EXPECT_EQ(Shleifs_SaveType(m, 3, 8).partition, "6");
  EXPECT_EQ(m.GetLoopPartition(3), 6);
  // Unused: removed when saved, but a redraw keeps the cell editable.
  row = Shleifs_SaveType(m, 3, 7);
  EXPECT_EQ(m.GetLoopPartition(3), 0);
  EXPECT_FALSE(row.partitionEditable);
  EXPECT_TRUE(LoopRowForRedraw(m, 3).partitionEditable);
  m.SetLoopPartition(3, 4);
  EXPECT_EQ(LoopRowForRedraw(m, 3).partition, "4");
  m.SetLoopType(3, 14);
  EXPECT_FALSE(LoopRowForRedraw(m, 3).partitionEditable);
  EXPECT_EQ(LoopRowForRedraw(m, 3).partition, "");
}

TEST_F(TabRulesTest, LoopDelayAndPartitionSavesFollowTheType) {
  m.SetLoopType(1, 2);
  LoopRow row = Shleifs_SaveDelay(m, 1, 45);
  EXPECT_EQ(m.GetLoopDelay(1), 0);
  EXPECT_EQ(row.delay, "");
  m.SetLoopType(1, 16);
  EXPECT_EQ(Shleifs_SaveDelay(m, 1, 45).delay, "45");
  EXPECT_EQ(m.GetLoopDelay(1), 45);

  // Choosing a partition on an unused loop stores none.
  m.SetLoopType(4, 7);
  row = Shleifs_SavePart(m, 4, 5);
  EXPECT_EQ(m.GetLoopPartition(4), 0);
  EXPECT_EQ(row.partition, "");
  m.SetLoopType(4, 5);
  EXPECT_EQ(Shleifs_SavePart(m, 4, 5).partition, "5");
  EXPECT_EQ(m.GetLoopPartition(4), 5);
  EXPECT_EQ(Shleifs_SavePart(m, 4, 0).partition, "");
  EXPECT_EQ(m.GetLoopPartition(4), 0);

  EXPECT_EQ(Shleifs_SaveName(m, 4, "Dver").name, "Dver");
  EXPECT_EQ(m.GetLoopName(4), "Dver");
}

TEST_F(TabRulesTest, RelayTypeRules) {
  // Unused -> guard siren: default time and partition 1.
  RelayRow row = Reles_SaveType(m, 3, 4);
  EXPECT_EQ(m.GetRelayTime(3), 90);
  EXPECT_EQ(m.GetRelayPartitions(3), PartitionBit(1));
  EXPECT_EQ(row.time, "90");
  EXPECT_EQ(row.partEditor, RelayPartEditor::kCheckList);
  // Guard with {2,5} -> lock: lowest partition only, no time.
  m.SetRelayType(1, 1);
  m.SetRelayPartitions(1, PartitionBit(2) | PartitionBit(5));
  row = Reles_SaveType(m, 1, 10);
  EXPECT_EQ(m.GetRelayPartitions(1), PartitionBit(2));
  EXPECT_EQ(m.GetRelayTime(1), 0);
  EXPECT_EQ(row.time, "");
  EXPECT_FALSE(row.timeEditable);
  EXPECT_EQ(row.partitions, "2");
  EXPECT_EQ(row.partEditor, RelayPartEditor::kList);
  // Lock with an empty set gets partition 1.
  m.SetRelayPartitions(1, 0);
  EXPECT_EQ(Reles_SaveType(m, 1, 10).partitions, "1");
  // Unused: empty set, no editors.
  row = Reles_SaveType(m, 1, 0);
  EXPECT_EQ(m.GetRelayPartitions(1), 0);
  EXPECT_EQ(row.partitions, "");
  EXPECT_EQ(row.partEditor, RelayPartEditor::kNone);
  EXPECT_FALSE(row.timeEditable);
  // Fire types keep a multi-partition set.
  m.SetRelayPartitions(2, PartitionBit(3) | PartitionBit(4));
  EXPECT_EQ(Reles_SaveType(m, 2, 7).partitions, "3-4");
}

TEST_F(TabRulesTest, RelayDelayAndPartsSaves) {
  EXPECT_EQ(Reles_SaveDelay(m, 1, 15).time, "15");
  EXPECT_EQ(m.GetRelayTime(1), 15);
  m.SetRelayType(1, 10);
  EXPECT_EQ(Reles_SaveDelay(m, 1, 15).time, "");
  EXPECT_EQ(m.GetRelayTime(1), 0);
  // Unticking everything stores the empty set; the next type save gives {1}.
  m.SetRelayType(2, 1);
  EXPECT_EQ(Reles_SaveParts(m, 2, 0).partitions, "");
  EXPECT_EQ(m.GetRelayPartitions(2), 0);
  Reles_SaveType(m, 2, m.GetRelayType(2));
  EXPECT_EQ(m.GetRelayPartitions(2), PartitionBit(1));
}

TEST_F(TabRulesTest, EnforcingTheRowRulesIsWhatSavingEachRowsTypeDoes) {
  // The defaults keep a partition and a delay on unused loops and a time on unused relays.
  m.SetRelayType(3, Code(RelayType::kLock));
  m.SetRelayTime(3, 5);
  m.SetRelayPartitions(3, PartitionBit(3) | PartitionBit(4) | PartitionBit(7));
  m.SetLoopType(5, 1);
  m.SetLoopDelay(5, 0);
  T_Command_DEVICE expected = m;
  for (int l = 1; l <= kLoopCount; ++l) Shleifs_SaveType(expected, l, expected.GetLoopType(l));
  for (int r = 1; r <= kRelayCount; ++r) Reles_SaveType(expected, r, expected.GetRelayType(r));
  EnforceRowRules(m);
  for (int l = 1; l <= kLoopCount; ++l) {
    EXPECT_EQ(m.GetLoopDelay(l), expected.GetLoopDelay(l)) << l;
    EXPECT_EQ(m.GetLoopPartition(l), expected.GetLoopPartition(l)) << l;
  }
  for (int r = 1; r <= kRelayCount; ++r) {
    EXPECT_EQ(m.GetRelayTime(r), expected.GetRelayTime(r)) << r;
    EXPECT_EQ(m.GetRelayPartitions(r), expected.GetRelayPartitions(r)) << r;
  }
  EXPECT_EQ(m.GetRelayPartitions(3), PartitionBit(3));
  EXPECT_EQ(m.GetRelayTime(3), 0);
  EXPECT_EQ(m.GetLoopDelay(5), 90);
  EXPECT_EQ(m.GetLoopPartition(8), 0);  // unused
  EXPECT_EQ(m.GetRelayTime(4), 0);
}

TEST(TabRulesPlain, AlarmRepeatIndexAndFieldNumbers) {
  EXPECT_EQ(AlarmRepeatIndex(0), 0);
  EXPECT_EQ(AlarmRepeatIndex(9), 9);
  EXPECT_EQ(AlarmRepeatIndex(12), 0);
  EXPECT_EQ(AlarmRepeatIndex(-1), 0);
  EXPECT_EQ(FieldNumber(""), 0);
  EXPECT_EQ(FieldNumber("045"), 45);
  EXPECT_EQ(FieldNumber("99999999999999"), 2147483647);
}

TEST(TabRulesPlain, RangesTextTicksPartitions) {
  EXPECT_EQ(ParseRangesText("1-3,5"), PartitionBit(1) | PartitionBit(2) | PartitionBit(3) | PartitionBit(5));
  EXPECT_EQ(ParseRangesText(""), 0);
  EXPECT_EQ(ParseRangesText("7-12,9"), PartitionBit(7) | PartitionBit(8));
  EXPECT_EQ(ParseRangesText("3", 2), 0);
  for (PartitionSet s : {PartitionSet{0x1FE}, PartitionSet{0x0A4}, PartitionSet{0x102}}) {
    EXPECT_EQ(ParseRangesText(FormatPartitionRanges(s)), s);
  }
}

TEST_F(TabRulesTest, KeyCodesArePaddedMaskedAndCheckedForDuplicates) {
  EXPECT_EQ(NormalizeKeyCodeText("A1B2"), "A1B2" + std::string(8, '0'));
  EXPECT_EQ(NormalizeKeyCodeText("12*4"), kMaskedCode);
  EXPECT_EQ(NormalizeKeyCodeText(""), "");

  EXPECT_EQ(Keys_SaveCode(m, 5, "1234"), 0);
  EXPECT_EQ(m.GetKeyCode(5), "123400000000");
  m.SetKeyCode(9, "FFFF");
  // Key 9 gets key 5's code: refused, key 9 unchanged.
  EXPECT_EQ(Keys_SaveCode(m, 9, "1234"), 5);
  EXPECT_EQ(m.GetKeyCode(9), "FFFF00000000");
  // The key that holds the code may store it again.
  EXPECT_EQ(Keys_SaveCode(m, 5, "1234"), 0);
  // Masked and all-zero codes are never duplicates.
  EXPECT_EQ(Keys_SaveCode(m, 1, "*"), 0);
  EXPECT_EQ(Keys_SaveCode(m, 2, "**"), 0);
  EXPECT_EQ(m.GetKeyCode(2), kMaskedCode);
  EXPECT_EQ(Keys_SaveCode(m, 3, "0"), 0);
  EXPECT_EQ(Keys_SaveCode(m, 4, "000"), 0);
  EXPECT_EQ(FindDuplicateKeyCode(m, "123400000000", 5), 0);
  EXPECT_EQ(FindDuplicateKeyCode(m, "123400000000"), 5);
  // Clearing a code always works.
  EXPECT_EQ(Keys_SaveCode(m, 5, ""), 0);
  EXPECT_EQ(m.GetKeyCode(5), "");
}

TEST(TabRulesPlain, KeyCodeSignificantAndNameLength) {
  EXPECT_EQ(KeyCodeSignificant("A10000000000"), "A1");
  EXPECT_EQ(KeyCodeSignificant("120000000000"), "12");
  EXPECT_EQ(KeyCodeSignificant("000000000000"), "");
  EXPECT_EQ(KeyCodeSignificant("************"), "************");
  EXPECT_EQ(KeyNameMaxLength(0), 10);
  EXPECT_EQ(KeyNameMaxLength(1), 9);
  EXPECT_EQ(KeyNameMaxLength(2), 9);
}

// The grid shows the head of a name of megabytes; the model keeps it whole
// and a type change (which redraws the row) does not touch it.
TEST(TabRules, HugeLoopNameIsShownCut) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetLoopName(2, std::string(100000, 'N'));
  EXPECT_EQ(LoopRowForRedraw(m, 2).name, std::string(250, 'N'));
  EXPECT_EQ(Shleifs_SaveType(m, 2, 2).name, std::string(250, 'N'));
  EXPECT_EQ(m.GetLoopName(2), std::string(100000, 'N'));
  m.SetLoopName(2, "Склад");
  EXPECT_EQ(LoopRowForRedraw(m, 2).name, "Склад");
}

}  // namespace
}  // namespace kestrin
