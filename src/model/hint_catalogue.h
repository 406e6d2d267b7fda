#pragma once
// The numbered hint texts of every window. Texts are UTF-8 in the table and
// Windows-1251 through HintTextCp1251; lines are separated by a carriage return.
#include <cstddef>
#include <string>

namespace kestrin {

struct HintEntry {
  int number;
  const char* text;  // UTF-8, lines separated by '\r'
};

constexpr size_t kHintCount = 154;

// The table in its fixed order.
const HintEntry* HintEntries();

// Linear search in table order; nullptr when the number is not in the table.
const char* FindHintUtf8(int number);
// Windows-1251 text, empty when the number is not in the table.
std::string HintTextCp1251(int number);

}  // namespace kestrin
