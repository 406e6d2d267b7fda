#include "model/key_search.h"

#include "model/codec.h"
#include "model/tab_rules.h"

namespace kestrin {

unsigned char LowerCp1251(unsigned char b) {
  if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDF)) return static_cast<unsigned char>(b + 0x20);
  switch (b) {
    case 0x80: return 0x90;  // Ђ
    case 0x81: return 0x83;  // Ѓ
    case 0x8A: return 0x9A;  // Љ
    case 0x8C: return 0x9C;  // Њ
    case 0x8D: return 0x9D;  // Ќ
    case 0x8E: return 0x9E;  // Ћ
    case 0x8F: return 0x9F;  // Џ
    case 0xA1: return 0xA2;  // Ў
    case 0xA3: return 0xBC;  // Ј
    case 0xA5: return 0xB4;  // Ґ
    case 0xA8: return 0xB8;  // Ё
    case 0xAA: return 0xBA;  // Є
    case 0xAF: return 0xBF;  // Ї
    case 0xB2: return 0xB3;  // І
    case 0xBD: return 0xBE;  // Ѕ
    default: return b;
  }
}

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(LowerCp1251(static_cast<unsigned char>(c)));
  return text;
}

// A key without a code, or with one the file holds masked, has no digits
// that a typed prefix could name.
bool HasComparableCode(const std::string& code) {
  return !code.empty() && code != kZeroCode && code != kMaskedCode;
}

}  // namespace

KeySearch::KeySearch(std::string_view utf8Text, bool codesShown) : codes_(codesShown) {
  needle_ = Lower(Utf8ToCp1251(utf8Text, &representable_));
}

bool KeySearch::Matches(const T_Command_DEVICE& model, int key) const {
  if (needle_.empty() || !representable_) return false;
  if (Lower(model.GetKeyName(key)).find(needle_) != std::string::npos) return true;
  if (!codes_) return false;
  const std::string code = model.GetKeyCode(key);
  return HasComparableCode(code) && Lower(code).starts_with(needle_);
}

int KeySearch::Scan(const T_Command_DEVICE& model, int from, int step) const {
  if (needle_.empty() || !representable_) return 0;
  int key = from > kKeyCount ? 1 : from < 1 ? kKeyCount : from;
  for (int seen = 0; seen < kKeyCount; ++seen) {
    if (Matches(model, key)) return key;
    key += step;
    if (key > kKeyCount) key = 1;
    if (key < 1) key = kKeyCount;
  }
  return 0;
}

}  // namespace kestrin
