#include "model/hint_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "model/codec.h"

namespace kestrin {
namespace {

int PositionOf(int number) {
  for (size_t i = 0; i < kHintCount; ++i) {
    if (HintEntries()[i].number == number) return static_cast<int>(i);
  }
  return -1;
}

TEST(HintCatalogue, HoldsEveryListedNumberOnceInTableOrder) {
  std::set<int> seen;
  for (size_t i = 0; i < kHintCount; ++i) {
    const HintEntry& e = HintEntries()[i];
    EXPECT_TRUE(seen.insert(e.number).second) << "duplicate " << e.number;
    ASSERT_NE(e.text, nullptr);
    EXPECT_GT(std::string(e.text).size(), 10u) << e.number;
    bool lossless = false;
    Utf8ToCp1251(e.text, &lossless);
    EXPECT_TRUE(lossless) << "not Windows-1251: " << e.number;
  }
  EXPECT_EQ(seen.size(), 154u);
  // Group boundaries and the irregular numbers.
  EXPECT_EQ(HintEntries()[0].number, 1);
  EXPECT_EQ(HintEntries()[kHintCount - 1].number, 2130);
  for (int n : {16, 109, 242, 336, 410, 520, 622, 714, 832, 912, 1022, 1124, 1225, 1344, 2007,
                2125}) {
    EXPECT_GE(PositionOf(n), 0) << n;
  }
  for (int n : {17, 110, 201, 215, 313, 330, 401, 515, 614, 620, 715, 802, 1010, 1303, 1316,
                1330, 2008, 2115, 2126}) {
    EXPECT_EQ(PositionOf(n), -1) << n;
  }
  EXPECT_EQ(PositionOf(801), PositionOf(812) + 1);
  EXPECT_LT(PositionOf(335), PositionOf(336));
  EXPECT_LT(PositionOf(1344), PositionOf(2000));
}

TEST(HintCatalogue, LookupFindsEntriesAndRefusesUnknownNumbers) {
  ASSERT_NE(FindHintUtf8(801), nullptr);
  EXPECT_EQ(std::string(FindHintUtf8(801)).rfind("Задает имя прибора", 0), 0u);
  for (int n : {0, -1, 2, 99, 2131, 1000000}) {
    EXPECT_EQ(FindHintUtf8(n), nullptr) << n;
    EXPECT_EQ(HintTextCp1251(n), "") << n;
  }
}

TEST(HintCatalogue, QuotedEntriesAreExact) {
  EXPECT_EQ(std::string(FindHintUtf8(10)),
            "Открытие имеющегося конфигурационного файла:\r"
            "- из памяти прибора (при подключении прибора к компьютеру по интерфейсу USB)\r"
            "- из любого каталога в котором он ранее был сохранен.");
  EXPECT_EQ(std::string(FindHintUtf8(14)), "Установка конфигурации в состояние \"по-умолчанию\"");
  // The first letter of the second line is a Latin C, as the panel's documents have it.
  EXPECT_EQ(std::string(FindHintUtf8(103)),
            "«Мастер-код» для конфигурирования прибора с клавиатуры.\r"
            "Cледует использовать только цифры.");
  EXPECT_EQ(std::string(FindHintUtf8(801)),
            "Задает имя прибора, длиной до 10 символов, состоящее из букв и цифр, например «Дом». \r"
            "Псевдоним помещается в SMS-сообщения, отправляемые прибором на указанные ниже "
            "телефоны.");
  EXPECT_EQ(std::string(FindHintUtf8(1)),
            "Указание ключа, используемого для шифрования файла конфигурации");
  EXPECT_EQ(std::string(FindHintUtf8(300)), "Параметры идикации и сообщений «ДЕЖУРНЫЙ РЕЖИМ»");
  EXPECT_EQ(std::string(FindHintUtf8(2000)),
            "Параметроы конфигурации, определяют механизмы открытия и сохранения файлов "
            "конфигурации");
  EXPECT_NE(std::string(FindHintUtf8(105)).find("АРМ ДПУ «Кестрин»"), std::string::npos);
  const std::string protocols = FindHintUtf8(242);
  for (const char* word : {"Кестрин", "Вермон", "Вермон-3", "Сорел-3/6", "Вермон-ТР"})
    EXPECT_NE(protocols.find(word), std::string::npos) << word;
}

TEST(HintCatalogue, Cp1251TextKeepsCarriageReturns) {
  const std::string text = HintTextCp1251(101);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 2);
  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_EQ(static_cast<unsigned char>(text[0]), 0xC7);  // "З" in Windows-1251
}

}  // namespace
}  // namespace kestrin
