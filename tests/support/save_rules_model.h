#pragma once
// A configuration a file may hold that the window's save changes: a delayed
// loop with no delay, an unused loop in a partition, a lock relay for two
// partitions (the file key set, so that the checks pass).
#include "model/device.h"
#include "model/partition_set.h"
#include "model/type_codes.h"

namespace kestrin::test {

inline T_Command_DEVICE ModelTheSaveChanges() {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetFileKey("K1");
  m.SetLoopType(1, Code(LoopType::kUnused));
  m.SetLoopPartition(1, 1);
  m.SetLoopType(2, Code(LoopType::kDelayed));
  m.SetLoopDelay(2, 0);
  m.SetRelayType(3, Code(RelayType::kLock));
  m.SetRelayPartitions(3, PartitionBit(2) | PartitionBit(4));
  return m;
}

}  // namespace kestrin::test
