#pragma once
// The editor's colours as RGB values, and the row colour of a loop, relay or
// key by its type code. Qt-free so the rules are tested without a window.
#include <cstdint>

namespace kestrin {

// 0xRRGGBB; kWindowColourRgb stands for the system's window colour.
using Rgb = uint32_t;
constexpr Rgb kWindowColourRgb = 0xFF000000u;

constexpr Rgb MakeRgb(int r, int g, int b) {
  return (static_cast<Rgb>(r) << 16) | (static_cast<Rgb>(g) << 8) | static_cast<Rgb>(b);
}

constexpr Rgb kFocusColourRgb = MakeRgb(255, 255, 0);
constexpr Rgb kSelectedRowColourRgb = MakeRgb(255, 255, 150);
constexpr Rgb kGuardColourRgb = MakeRgb(113, 255, 113);
constexpr Rgb kFireColourRgb = MakeRgb(255, 170, 170);
constexpr Rgb kServiceColourRgb = MakeRgb(170, 170, 255);

Rgb SHL_GetColorType(int loopType);
Rgb RELE_GetColorType(int relayType);
Rgb KEY_GetColorType(int keyMode);

}  // namespace kestrin
