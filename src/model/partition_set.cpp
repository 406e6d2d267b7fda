#include "model/partition_set.h"

#include "model/command.h"

namespace kestrin {

PartitionSet ListToPartitionSet(const T_Command& element) {
  PartitionSet set = 0;
  for (int i = 1; i <= T_Command::kListSize; ++i) {
    int32_t v = element.ListItem(i);
    if (v != 0 && v > 0 && v <= 15) set |= PartitionBit(v);
  }
  return set;
}

void PartitionSetToList(PartitionSet set, T_Command& element) {
  element.ClearList();
  int pos = 1;
  for (int n = 1; n <= 8; ++n) {
    if (HasPartition(set, n)) element.SetListItem(pos++, n);
  }
}

std::string FormatPartitionRanges(PartitionSet set) {
  std::string out;
  int n = 1;
  while (n <= 8) {
    if (!HasPartition(set, n)) {
      ++n;
      continue;
    }
    int last = n;
    while (last + 1 <= 8 && HasPartition(set, last + 1)) ++last;
    if (!out.empty()) out += ',';
    out += std::to_string(n);
    if (last > n) out += '-' + std::to_string(last);
    n = last + 1;
  }
  return out;
}

std::string FormatNumberList(const std::bitset<256>& numbers) {
  std::string out;
  for (int n = 1; n <= 250; ++n) {
    if (!numbers.test(static_cast<size_t>(n))) continue;
    if (!out.empty()) out += ',';
    out += std::to_string(n);
  }
  return out;
}

std::string FormatNumberList(PartitionSet set) {
  std::bitset<256> numbers;
  for (int n = 1; n <= 8; ++n) {
    if (HasPartition(set, n)) numbers.set(static_cast<size_t>(n));
  }
  return FormatNumberList(numbers);
}

std::string PadNumber(int64_t number, int width, char fill) {
  std::string digits = std::to_string(number);
  if (static_cast<int>(digits.size()) < width) {
    digits.insert(0, static_cast<size_t>(width) - digits.size(), fill);
  }
  return digits;
}

}  // namespace kestrin
