#include "model/row_colours.h"

#include "model/type_codes.h"

namespace kestrin {

Rgb SHL_GetColorType(int loopType) {
  if (IsGuardLoop(loopType)) return kGuardColourRgb;
  if (IsFireLoop(loopType)) return kFireColourRgb;
  if (IsServiceLoop(loopType)) return kServiceColourRgb;
  return kWindowColourRgb;
}

Rgb RELE_GetColorType(int relayType) {
  if (IsGuardRelay(relayType)) return kGuardColourRgb;
  if (IsFireRelay(relayType)) return kFireColourRgb;
  if (Is(relayType, RelayType::kLock)) return kServiceColourRgb;
  return kWindowColourRgb;
}

Rgb KEY_GetColorType(int keyMode) {
  if (Is(keyMode, KeyMode::kArmDisarm)) return kGuardColourRgb;
  if (Is(keyMode, KeyMode::kDuress)) return kFireColourRgb;
  if (Is(keyMode, KeyMode::kPatrol)) return kServiceColourRgb;
  return kWindowColourRgb;
}

}  // namespace kestrin
