#pragma once
// The six sets of characters that edit fields accept, over Windows-1251
// bytes. Backspace (8) is in every set.
#include <string>
#include <string_view>

namespace kestrin {

enum class InputFilter {
  TextSpace,    // space, 0-9, bytes 65..122, bytes 192..255
  Text,         // 0-9, bytes 65..255
  PhoneNumber,  // # * + 0-9
  Digital,      // 0-9
  Hex,          // 0-9 A-F a-f
  HexAndStar,   // * 0-9 A-F a-f
};

// Whether the set holds the byte.
bool FilterAllows(InputFilter filter, unsigned char byte);

// The change filter: the text without every byte not in the set, in order.
std::string FilterBytes(InputFilter filter, std::string_view cp1251);

}  // namespace kestrin
