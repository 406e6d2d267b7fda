#include "model/codec.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "model/text_buffer.h"

namespace kestrin {
namespace {

TEST(Codec, CyrillicAndSpecialsBothWays) {
  const std::string utf8 = "ППКОП Кестрин 18кГц 8 Ёё №";
  std::string bytes = Utf8ToCp1251(utf8);
  EXPECT_EQ(bytes.size(), 26u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xCF);
  EXPECT_EQ(static_cast<unsigned char>(bytes[22]), 0xA8);  // Ё
  EXPECT_EQ(static_cast<unsigned char>(bytes[23]), 0xB8);  // ё
  EXPECT_EQ(static_cast<unsigned char>(bytes[25]), 0xB9);  // №
  EXPECT_EQ(Cp1251ToUtf8(bytes), utf8);
  for (int b = 0; b < 256; ++b) {
    if (b == 0x98) continue;  // the one byte without a character
    std::string one(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(one)), one) << b;
  }
}

TEST(Codec, CharactersOutsideTheCodePage) {
  bool lossless = true;
  EXPECT_EQ(Utf8ToCp1251("a€b", &lossless), "a\x88" "b");
  EXPECT_TRUE(lossless);
  EXPECT_EQ(Utf8ToCp1251("a中b", &lossless), "a?b");
  EXPECT_FALSE(lossless);
  EXPECT_EQ(Utf8ToCp1251("\xFF\xC3", &lossless), "??");
  EXPECT_FALSE(lossless);
  EXPECT_EQ(UnicodeToCp1251(0x4E2D), -1);
  EXPECT_EQ(UnicodeToCp1251(U'я'), 0xFF);
}

TEST(Codec, CaseRules) {
  EXPECT_EQ(LowerLatin(Utf8ToCp1251("LM3-Ж")), Utf8ToCp1251("lm3-Ж"));
  EXPECT_EQ(UpperLatin(Utf8ToCp1251("abcж")), Utf8ToCp1251("ABCж"));
  EXPECT_EQ(UpperCp1251(Utf8ToCp1251("  ппкоп кестрин 18кгц 8ё")),
            Utf8ToCp1251("  ППКОП КЕСТРИН 18КГЦ 8Ё"));
}

TEST(TextBuffer, SplitsAtEveryKindOfLineEnd) {
  TextBuffer b;
  b.SetBytes("a\r\nb\nc\rd");
  EXPECT_EQ(b.Lines(), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(b.Text(), "a\r\nb\r\nc\r\nd\r\n");
  b.SetBytes("a\r\n");
  EXPECT_EQ(b.LineCount(), 1u);
  b.SetBytes("a\n\nb\r\r\n");
  EXPECT_EQ(b.Lines(), (std::vector<std::string>{"a", "", "b", ""}));
  b.SetBytes("");
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Text(), "");
  b.AddLine("");
  EXPECT_EQ(b.Text(), "\r\n");
}

// Millions of line ends are two bytes a line, and a head of the lines can be
// taken without copying them all.
TEST(TextBuffer, LineEndsOnlyAndTheHeadOfTheLines) {
  TextBuffer b;
  b.SetBytes(std::string(1u << 20, '\r'));
  EXPECT_EQ(b.LineCount(), 1u << 20);
  EXPECT_EQ(b.Text().size(), 2u << 20);
  EXPECT_LE(b.Text().capacity(), (2u << 20) + 2u);  // reserved once, no growth left over
  b.SetBytes("first\r\nsecond\nthird");
  EXPECT_EQ(b.Lines(2), (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(b.Lines(SIZE_MAX, 10), (std::vector<std::string>{"first", "sec"}));  // 5 + 2 + 3 bytes
  EXPECT_EQ(b.Lines(SIZE_MAX, 7), (std::vector<std::string>{"first"}));
  EXPECT_EQ(b.TakeText(), "first\r\nsecond\r\nthird\r\n");
  EXPECT_TRUE(b.Empty());
}

}  // namespace
}  // namespace kestrin
