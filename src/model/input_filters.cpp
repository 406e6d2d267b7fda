#include "model/input_filters.h"

namespace kestrin {

namespace {

bool IsDigit(unsigned char b) { return b >= '0' && b <= '9'; }

bool IsHex(unsigned char b) {
  return IsDigit(b) || (b >= 'A' && b <= 'F') || (b >= 'a' && b <= 'f');
}

}  // namespace

bool FilterAllows(InputFilter filter, unsigned char byte) {
  if (byte == 8) return true;
  switch (filter) {
    case InputFilter::TextSpace:
      return byte == ' ' || IsDigit(byte) || (byte >= 65 && byte <= 122) || byte >= 192;
    case InputFilter::Text:
      return IsDigit(byte) || byte >= 65;
    case InputFilter::PhoneNumber:
      return byte == '#' || byte == '*' || byte == '+' || IsDigit(byte);
    case InputFilter::Digital:
      return IsDigit(byte);
    case InputFilter::Hex:
      return IsHex(byte);
    case InputFilter::HexAndStar:
      return byte == '*' || IsHex(byte);
  }
  return false;
}

std::string FilterBytes(InputFilter filter, std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size());
  for (char c : cp1251) {
    const auto b = static_cast<unsigned char>(c);
    // Backspace is a key, never part of a text.
    if (b != 8 && FilterAllows(filter, b)) out.push_back(c);
  }
  return out;
}

}  // namespace kestrin
