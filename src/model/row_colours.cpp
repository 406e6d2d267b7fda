#include "model/row_colours.h"

namespace kestrin {

Rgb SHL_GetColorType(int loopType) {
  if ((loopType >= 1 && loopType <= 6) || loopType == 16) return kGuardColourRgb;
  if (loopType >= 8 && loopType <= 12) return kFireColourRgb;
  if (loopType == 14 || loopType == 15) return kServiceColourRgb;
  return kWindowColourRgb;
}

Rgb RELE_GetColorType(int relayType) {
  if (relayType >= 1 && relayType <= 5) return kGuardColourRgb;
  if (relayType >= 6 && relayType <= 9) return kFireColourRgb;
  if (relayType == 10) return kServiceColourRgb;
  return kWindowColourRgb;
}

Rgb KEY_GetColorType(int keyMode) {
  switch (keyMode) {
    case 0: return kGuardColourRgb;
    case 1: return kFireColourRgb;
    case 2: return kServiceColourRgb;
    default: return kWindowColourRgb;
  }
}

}  // namespace kestrin
