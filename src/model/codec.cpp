#include "model/codec.h"

#include <array>

namespace kestrin {
namespace {

// Unicode code points of the bytes 0x80..0xFF.
constexpr std::array<char16_t, 128> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,};


}  // namespace

char32_t Cp1251ToUnicode(unsigned char byte) {
  return byte < 0x80 ? char32_t(byte) : char32_t(kHigh[byte - 0x80]);
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

int UnicodeToCp1251(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (cp == 0xFFFD) return -1;
  if (cp >= 0x0410 && cp <= 0x044F) return static_cast<int>(cp - 0x0410 + 0xC0);
  for (int i = 0; i < 128; ++i) {
    if (kHigh[i] == cp) return 0x80 + i;
  }
  return -1;
}

std::string Cp1251ToUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size() * 2);
  for (unsigned char b : s) AppendUtf8(out, Cp1251ToUnicode(b));
  return out;
}

std::string Utf8ToCp1251(std::string_view s, bool* lossless) {
  std::string out;
  out.reserve(s.size());
  bool ok = true;
  size_t i = 0;
  while (i < s.size()) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    char32_t cp = 0;
    size_t len = 0;
    if (b < 0x80) {
      cp = b;
      len = 1;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F;
      len = 2;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F;
      len = 3;
    } else if ((b & 0xF8) == 0xF0) {
      cp = b & 0x07;
      len = 4;
    }
    bool valid = len != 0 && i + len <= s.size();
    for (size_t k = 1; valid && k < len; ++k) {
      unsigned char c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) valid = false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!valid) {
      out += '?';
      ok = false;
      ++i;
      continue;
    }
    int byte = UnicodeToCp1251(cp);
    if (byte < 0) {
      out += '?';
      ok = false;
    } else {
      out += static_cast<char>(byte);
    }
    i += len;
  }
  if (lossless) *lossless = ok;
  return out;
}

std::string UpperLatin(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

std::string LowerLatin(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string UpperCp1251(std::string_view s) {
  std::string out(s);
  for (char& ch : out) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c >= 'a' && c <= 'z') {
      c = static_cast<unsigned char>(c - 0x20);
    } else if (c >= 0xE0) {
      c = static_cast<unsigned char>(c - 0x20);  // а..я -> А..Я
    } else {
      switch (c) {
        case 0xB8: c = 0xA8; break;  // ё
        case 0x90: c = 0x80; break;  // ђ
        case 0x83: c = 0x81; break;  // ѓ
        case 0x9A: c = 0x8A; break;  // љ
        case 0x9C: c = 0x8C; break;  // њ
        case 0x9D: c = 0x8D; break;  // ќ
        case 0x9E: c = 0x8E; break;  // ћ
        case 0x9F: c = 0x8F; break;  // џ
        case 0xA2: c = 0xA1; break;  // ў
        case 0xBC: c = 0xA3; break;  // ј
        case 0xB4: c = 0xA5; break;  // ґ
        case 0xBA: c = 0xAA; break;  // є
        case 0xBF: c = 0xAF; break;  // ї
        case 0xB3: c = 0xB2; break;  // і
        case 0xBE: c = 0xBD; break;  // ѕ
        default: break;
      }
    }
    ch = static_cast<char>(c);
  }
  return out;
}

}  // namespace kestrin
