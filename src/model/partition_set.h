#pragma once
// Partition sets and the small formatting helpers of the model.
#include <bitset>
#include <cstdint>
#include <string>

namespace kestrin {

class T_Command;

// Bit n stands for partition n (1..8); bit 0 and bits 9..15 are no partitions.
using PartitionSet = uint16_t;

constexpr PartitionSet PartitionBit(int n) {
  return n >= 0 && n < 16 ? static_cast<PartitionSet>(1u << n) : 0;
}
constexpr bool HasPartition(PartitionSet s, int n) { return (s & PartitionBit(n)) != 0; }

PartitionSet ListToPartitionSet(const T_Command& element);
void PartitionSetToList(PartitionSet set, T_Command& element);

// Runs of consecutive partitions 1..8: {1,2,3,5} -> "1-3,5".
std::string FormatPartitionRanges(PartitionSet set);
// Members 1..250 ascending, joined by ",".
std::string FormatNumberList(const std::bitset<256>& numbers);
std::string FormatNumberList(PartitionSet set);
// The decimal number left-padded with fill up to width; never cut.
std::string PadNumber(int64_t number, int width, char fill);

}  // namespace kestrin
