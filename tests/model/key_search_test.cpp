#include "model/key_search.h"

#include <gtest/gtest.h>

#include "model/codec.h"

namespace kestrin {
namespace {

std::string Cp(const char* utf8) { return Utf8ToCp1251(utf8); }

class KeySearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m.SetDefaults();
    Name(3, "Кассир");
    Name(100, "Ст.КАССИР");
    Name(250, "кассир-2");
    Name(7, "Ёлкин");
    Name(8, "Елена");
    Name(9, "A?B");
  }
  void Name(int key, const char* utf8) { m.SetKeyName(key, Cp(utf8)); }
  T_Command_DEVICE m;
};

TEST(LowerCp1251, FoldsLatinAndEveryCyrillicCapitalOnly) {
  EXPECT_EQ(LowerCp1251('A'), 'a');
  EXPECT_EQ(LowerCp1251('Z'), 'z');
  EXPECT_EQ(LowerCp1251(0xC0), 0xE0);  // А
  EXPECT_EQ(LowerCp1251(0xDF), 0xFF);  // Я
  EXPECT_EQ(LowerCp1251(0xA8), 0xB8);  // Ё
  EXPECT_EQ(LowerCp1251(0xA1), 0xA2);  // Ў
  EXPECT_EQ(LowerCp1251(0xB2), 0xB3);  // І
  EXPECT_EQ(LowerCp1251(0xA5), 0xB4);  // Ґ
  // Lower case, digits and signs are left alone; "[" lies between the cases.
  for (int b : {0xE0, 0xFF, 0xB8, 0xB3, int('0'), int('*'), int('['), int('a'), int('@')})
    EXPECT_EQ(LowerCp1251(static_cast<unsigned char>(b)), b) << b;
}

TEST_F(KeySearchTest, NameContainsTextInAnyLetterCase) {
  for (const char* text : {"касс", "КАСС", "сСиР", "Кассир"}) {
    KeySearch s(text, false);
    EXPECT_EQ(s.First(m), 3) << text;
  }
  EXPECT_TRUE(KeySearch("ст.к", false).Matches(m, 100));
  EXPECT_FALSE(KeySearch("кассирр", false).Matches(m, 3));
}

TEST_F(KeySearchTest, YoMatchesOnlyYoInEitherCase) {
  EXPECT_EQ(KeySearch("ёл", false).First(m), 7);
  EXPECT_EQ(KeySearch("ЁЛК", false).First(m), 7);
  // "Е" and "Ё" are different letters here.
  EXPECT_EQ(KeySearch("елк", false).First(m), 0);
  EXPECT_EQ(KeySearch("ЕЛЕ", false).First(m), 8);
}

TEST_F(KeySearchTest, NextAndPreviousWrapRound) {
  KeySearch s("кассир", false);
  EXPECT_EQ(s.First(m), 3);
  EXPECT_EQ(s.Next(m, 3), 100);
  EXPECT_EQ(s.Next(m, 100), 250);
  EXPECT_EQ(s.Next(m, 250), 3);
  EXPECT_EQ(s.Previous(m, 3), 250);
  EXPECT_EQ(s.Previous(m, 250), 100);
  // From a key that does not match, the nearest in the direction.
  EXPECT_EQ(s.Next(m, 50), 100);
  EXPECT_EQ(s.Previous(m, 50), 3);
  // No current key: forward from the first, backward from the last.
  EXPECT_EQ(s.Next(m, 0), 3);
  EXPECT_EQ(s.Previous(m, 0), 250);
  // The only match is found again from itself.
  KeySearch one("ёлкин", false);
  EXPECT_EQ(one.Next(m, 7), 7);
  EXPECT_EQ(one.Previous(m, 7), 7);
}

TEST_F(KeySearchTest, NothingMatchesGivesZero) {
  EXPECT_EQ(KeySearch("Директор", false).First(m), 0);
  EXPECT_EQ(KeySearch("Директор", false).Next(m, 10), 0);
  KeySearch empty("", true);
  EXPECT_TRUE(empty.Empty());
  EXPECT_EQ(empty.First(m), 0);
  EXPECT_FALSE(empty.Matches(m, 3));
  // A character without a Windows-1251 byte must not turn into a "?" that
  // then matches a stored "?".
  EXPECT_EQ(KeySearch("A中B", false).First(m), 0);
  EXPECT_EQ(KeySearch("A?B", false).First(m), 9);
}

TEST_F(KeySearchTest, CodesTakePartOnlyWhenShownAndFromTheirStart) {
  m.SetKeyCode(20, "BA9876543210");
  m.SetKeyCode(21, "************");
  m.SetKeyCode(22, "000000000000");
  EXPECT_EQ(KeySearch("ba98", false).First(m), 0);
  EXPECT_EQ(KeySearch("ba98", true).First(m), 20);
  EXPECT_EQ(KeySearch("BA98", true).First(m), 20);
  EXPECT_EQ(KeySearch("9876", true).First(m), 0);  // not at the start
  // Keys without a code, or with a masked one, have no digits to name.
  EXPECT_EQ(KeySearch("0", true).First(m), 0);
  EXPECT_EQ(KeySearch("*", true).First(m), 0);
  // A name still matches while codes are shown.
  EXPECT_EQ(KeySearch("касс", true).First(m), 3);
}

}  // namespace
}  // namespace kestrin
