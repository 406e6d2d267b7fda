#pragma once
// A partition set written as the list of its partitions: Set({1, 2, 5}).
#include <initializer_list>

#include "model/partition_set.h"

namespace kestrin::test {

inline PartitionSet Set(std::initializer_list<int> parts) {
  PartitionSet s = 0;
  for (int p : parts) s |= PartitionBit(p);
  return s;
}

}  // namespace kestrin::test
