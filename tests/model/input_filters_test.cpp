#include "model/input_filters.h"

#include <gtest/gtest.h>

#include <string>

#include "model/codec.h"

namespace kestrin {
namespace {

bool Allows(InputFilter f, const char* utf8Char) {
  const std::string b = Utf8ToCp1251(utf8Char);
  return b.size() == 1 && FilterAllows(f, static_cast<unsigned char>(b[0]));
}

TEST(InputFilters, BackspaceIsInEverySet) {
  for (InputFilter f : {InputFilter::TextSpace, InputFilter::Text, InputFilter::PhoneNumber,
                        InputFilter::Digital, InputFilter::Hex, InputFilter::HexAndStar})
    EXPECT_TRUE(FilterAllows(f, 8));
}

TEST(InputFilters, TextWithSpaceTakesLatinCyrillicAndSpaceButNotYo) {
  const InputFilter f = InputFilter::TextSpace;
  for (const char* c : {" ", "0", "9", "A", "z", "[", "\\", "^", "_", "`", "А", "Я", "а", "я"})
    EXPECT_TRUE(Allows(f, c)) << c;
  for (const char* c : {"ё", "Ё", "!", "-", "@", "{", "~", ".", "€", "№", "\t"})
    EXPECT_FALSE(Allows(f, c)) << c;
  EXPECT_FALSE(FilterAllows(f, 127));
  EXPECT_FALSE(FilterAllows(f, 191));
}

TEST(InputFilters, TextTakesEveryByteFrom65Up) {
  const InputFilter f = InputFilter::Text;
  for (const char* c : {"A", "z", "{", "~", "ё", "Ё", "№", "я"}) EXPECT_TRUE(Allows(f, c)) << c;
  EXPECT_TRUE(FilterAllows(f, 128));
  EXPECT_TRUE(FilterAllows(f, 255));
  for (const char* c : {" ", "-", "@", "!"}) EXPECT_FALSE(Allows(f, c)) << c;
}

TEST(InputFilters, NumberSets) {
  for (const char* c : {"#", "*", "+", "0", "9"}) EXPECT_TRUE(Allows(InputFilter::PhoneNumber, c));
  for (const char* c : {"-", " ", "a", "(", "A"}) EXPECT_FALSE(Allows(InputFilter::PhoneNumber, c));

  for (const char* c : {"+", "-", "a", " "}) EXPECT_FALSE(Allows(InputFilter::Digital, c));
  EXPECT_TRUE(Allows(InputFilter::Digital, "5"));

  for (const char* c : {"0", "A", "F", "a", "f"}) EXPECT_TRUE(Allows(InputFilter::Hex, c)) << c;
  for (const char* c : {"G", "g", "*", "А"}) EXPECT_FALSE(Allows(InputFilter::Hex, c)) << c;

  EXPECT_TRUE(Allows(InputFilter::HexAndStar, "*"));
  EXPECT_TRUE(Allows(InputFilter::HexAndStar, "c"));
  EXPECT_FALSE(Allows(InputFilter::HexAndStar, "#"));
  EXPECT_FALSE(Allows(InputFilter::HexAndStar, "x"));
}

TEST(InputFilters, ChangeFilterKeepsAllowedBytesInOrder) {
  EXPECT_EQ(FilterBytes(InputFilter::Digital, "1a2-b3 4\x08"), "1234");
  EXPECT_EQ(FilterBytes(InputFilter::TextSpace, Utf8ToCp1251("Ёлка 2-я!")),
            Utf8ToCp1251("лка 2я"));
  EXPECT_EQ(FilterBytes(InputFilter::HexAndStar, "**x12Fg"), "**12F");
  EXPECT_EQ(FilterBytes(InputFilter::Hex, ""), "");
}

}  // namespace
}  // namespace kestrin
