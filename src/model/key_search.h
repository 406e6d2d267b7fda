#pragma once
// Finding a user key by a typed text: the name contains it (letter case
// ignored, Cyrillic with "Ё" included) or, while codes are shown, the code
// begins with it. Qt-free; the keys tab's find field wires it.
#include <string>
#include <string_view>

#include "model/device.h"

namespace kestrin {

// Lower case of a Windows-1251 byte: Latin and every Cyrillic capital of the
// code page ("А".."Я", "Ё", "Ђ", "Ѓ", "Є", "Ѕ", "І", "Ї", "Ј", "Љ", "Њ", "Ћ",
// "Ќ", "Ў", "Џ", "Ґ"); any other byte is itself.
unsigned char LowerCp1251(unsigned char byte);

class KeySearch {
 public:
  // text is UTF-8 as typed. A text with a character Windows-1251 lacks
  // matches no key, since no stored name can hold it.
  KeySearch(std::string_view utf8Text, bool codesShown);

  bool Empty() const { return needle_.empty(); }
  bool Matches(const T_Command_DEVICE& model, int key) const;

  // Keys are 1..kKeyCount; each returns 0 when no key matches.
  // The first matching key of the table.
  int First(const T_Command_DEVICE& model) const { return Scan(model, 1, +1); }
  // The next matching key after current, wrapping round (current itself when
  // it is the only match). current 0 means none: Next starts at key 1,
  // Previous at the last key.
  int Next(const T_Command_DEVICE& model, int current) const {
    return Scan(model, current < 1 ? 1 : current + 1, +1);
  }
  int Previous(const T_Command_DEVICE& model, int current) const {
    return Scan(model, current < 1 ? kKeyCount : current - 1, -1);
  }

 private:
  // from is 1..kKeyCount + 1; kKeyCount + 1 and 0 wrap round.
  int Scan(const T_Command_DEVICE& model, int from, int step) const;

  std::string needle_;  // Windows-1251, lower case
  bool representable_ = true;
  bool codes_ = false;
};

}  // namespace kestrin
