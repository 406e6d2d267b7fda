#pragma once
// Windows-1251 <-> UTF-8. The model keeps every text as Windows-1251 bytes;
// the window and the terminal speak UTF-8 and convert at their edge.
#include <string>
#include <string_view>

namespace kestrin {

// UTF-8 to Windows-1251. Characters without a Windows-1251 byte (and broken
// UTF-8 sequences) become '?'; *lossless tells whether that happened.
std::string Utf8ToCp1251(std::string_view utf8, bool* lossless = nullptr);

// Windows-1251 to UTF-8; every byte has a character (0x98 maps to U+FFFD).
std::string Cp1251ToUtf8(std::string_view cp1251);

// The Windows-1251 byte of one Unicode code point, or -1 when there is none.
int UnicodeToCp1251(char32_t cp);
// The Unicode code point of one Windows-1251 byte.
char32_t Cp1251ToUnicode(unsigned char byte);
// Appends the UTF-8 bytes of one code point.
void AppendUtf8(std::string& out, char32_t cp);

// Upper case of Latin letters only (the configuration language's rule).
std::string UpperLatin(std::string_view s);
// Lower case of Latin letters only.
std::string LowerLatin(std::string_view s);
// Upper case of Latin and Windows-1251 Cyrillic letters.
std::string UpperCp1251(std::string_view s);

}  // namespace kestrin
