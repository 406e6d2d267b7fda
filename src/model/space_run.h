#pragma once
// Padding runs: written lines are padded with blanks to a fixed width, so
// both the lexer and the reader skip long runs of them, eight at a time.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kestrin {

inline bool EightSpaces(const char* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word == 0x2020202020202020ULL;
}

// The index of the first byte at or after i in s[0, n) that is not a blank.
inline size_t SkipSpaces(const char* s, size_t i, size_t n) {
  while (n - i >= 8 && EightSpaces(s + i)) i += 8;
  while (i < n && s[i] == ' ') ++i;
  return i;
}

// The end of s[begin, end) without its trailing blanks.
inline size_t SkipSpacesBack(const char* s, size_t begin, size_t end) {
  while (end - begin >= 8 && EightSpaces(s + end - 8)) end -= 8;
  while (end > begin && s[end - 1] == ' ') --end;
  return end;
}

}  // namespace kestrin
