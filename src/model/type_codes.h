#pragma once
// Loop types, relay types and key modes by the codes the configuration text
// stores, and the rules the tables, checks, report and colours share. The
// model keeps the bare numbers (any number a file holds must survive a
// round trip), so the predicates take them as they are stored.

namespace kestrin {

enum class LoopType : int {
  kDelayed = 1,
  kInstant = 2,
  kInstantTamper = 3,
  kWalkThrough = 4,
  kWalkThroughTamper = 5,
  kPanic = 6,
  kUnused = 7,
  kFire1 = 8,
  kFire2 = 9,
  kFire3 = 10,
  kFire1Reset = 11,
  kFire2Reset = 12,
  kPatrol = 14,
  kControl = 15,
  kFixedDelay = 16,
};

enum class RelayType : int {
  kUnused = 0,
  kMonitoringGuard = 1,
  kBannerGuard = 2,
  kLampGuard = 3,
  kSiren1Guard = 4,
  kSiren2Guard = 5,
  kMonitoringFire = 6,
  kBannerFire = 7,
  kSiren1Fire = 8,
  kSiren2Fire = 9,
  kLock = 10,
};

enum class KeyMode : int {
  kArmDisarm = 0,
  kDuress = 1,
  kPatrol = 2,
};

constexpr int Code(LoopType t) { return static_cast<int>(t); }
constexpr int Code(RelayType t) { return static_cast<int>(t); }
constexpr int Code(KeyMode m) { return static_cast<int>(m); }

constexpr bool Is(int code, LoopType t) { return code == Code(t); }
constexpr bool Is(int code, RelayType t) { return code == Code(t); }
constexpr bool Is(int code, KeyMode m) { return code == Code(m); }

// Loops.
constexpr bool IsGuardLoop(int type) {
  return (type >= Code(LoopType::kDelayed) && type <= Code(LoopType::kPanic)) ||
         Is(type, LoopType::kFixedDelay);
}
constexpr bool IsFireLoop(int type) {
  return type >= Code(LoopType::kFire1) && type <= Code(LoopType::kFire2Reset);
}
constexpr bool IsServiceLoop(int type) { return Is(type, LoopType::kPatrol) || Is(type, LoopType::kControl); }
// The delay column is used (and printed) only for the delayed types.
constexpr bool LoopTypeHasDelay(int type) { return Is(type, LoopType::kDelayed) || Is(type, LoopType::kFixedDelay); }
// An unused or patrol loop belongs to no partition once chosen or saved.
constexpr bool LoopTypeExcludesPartition(int type) { return Is(type, LoopType::kUnused) || Is(type, LoopType::kPatrol); }

// Relays.
constexpr bool IsGuardRelay(int type) {
  return type >= Code(RelayType::kMonitoringGuard) && type <= Code(RelayType::kSiren2Guard);
}
constexpr bool IsFireRelay(int type) {
  return type >= Code(RelayType::kMonitoringFire) && type <= Code(RelayType::kSiren2Fire);
}
// Every type but unused and the lock switches for a time.
constexpr bool RelayTypeHasTime(int type) { return !Is(type, RelayType::kUnused) && !Is(type, RelayType::kLock); }

// Keys: the mode is stored as a mark before the name ("!" duress, "*" patrol).
constexpr char KeyModeMark(int mode) {
  return Is(mode, KeyMode::kDuress) ? '!' : Is(mode, KeyMode::kPatrol) ? '*' : '\0';
}
constexpr int KeyModeOfMark(char mark) {
  return mark == '!' ? Code(KeyMode::kDuress) : mark == '*' ? Code(KeyMode::kPatrol) : Code(KeyMode::kArmDisarm);
}

}  // namespace kestrin
