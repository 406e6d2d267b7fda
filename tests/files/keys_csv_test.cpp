#include "files/keys_csv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "files/csv_table.h"
#include "model/codec.h"
#include "model/reader.h"
#include "model/writer.h"
#include "model/writer_internal.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

using test::U;
using test::W;

const std::string kBom = "\xEF\xBB\xBF";
const std::string kHeader = "№;Пользователь;Режим работы;Код управления;Разделы\r\n";

T_Command_DEVICE Defaults() {
  T_Command_DEVICE m;
  m.SetDefaults();
  return m;
}

// A model as a file gives it: written, then read back.
T_Command_DEVICE Reloaded(const T_Command_DEVICE& m) {
  T_Command_DEVICE out;
  LoadConfigText(WriteConfigTextCrLf(m), out);
  return out;
}

KeysCsvImport Import(const std::string& csv, T_Command_DEVICE& m) { return ImportKeysCsv(csv, m); }

TEST(KeysCsvExport, HeaderThenChangedKeysOnly) {
  T_Command_DEVICE m = Defaults();
  EXPECT_EQ(ExportKeysCsv(m), kBom + kHeader);
  m.SetKeyName(5, W("Кассир"));
  m.SetKeyMode(5, 1);
  m.SetKeyCode(5, "1234");
  m.SetKeyPartitions(7, PartitionBit(1) | PartitionBit(2) | PartitionBit(4));
  m.SetKeyCode(9, std::string(12, '*'));
  m.SetKeyPartitions(250, 0);
  EXPECT_EQ(ExportKeysCsv(m), kBom + kHeader +
                                  "5;Кассир;Принуждение;123400000000;1\r\n"
                                  "7;;Постановка/Снятие;;1-2,4\r\n"
                                  "9;;Постановка/Снятие;************;1\r\n"
                                  "250;;Постановка/Снятие;;\r\n");
  const std::string all = ExportKeysCsv(m, true);
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 251);
  EXPECT_NE(all.find("\r\n1;;Постановка/Снятие;;1\r\n"), std::string::npos);
}

TEST(KeysCsvExport, ValuesAFileCanHoldAreQuoted) {
  // Names are words of the configuration text: quotes can come in.
  T_Command_DEVICE m;
  LoadConfigText("ua3-a,b\"c.CODE\r\nua4-\xCF\xE5\xF2\xF0\xEE\xE2.\r\n", m);
  const std::string csv = ExportKeysCsv(m);
  EXPECT_NE(csv.find("\r\n3;\"a,b\"\"c\";"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\r\n4;Петров;"), std::string::npos);
}

TEST(KeysCsvImport, SetsNamedKeysAndLeavesTheRest) {
  T_Command_DEVICE m = Defaults();
  m.SetKeyName(2, W("Охрана"));
  m.SetKeyCode(2, "ABC");
  const std::string before2 = FormatCommandLine(m, kRowKeyUser, 1);
  auto r = Import(kBom + kHeader + "5;Кассир;Патруль;00a1;1-3,5\r\n17;Ёлкин;принуждение;;\r\n", m);
  ASSERT_TRUE(r.Ok()) << r.errors[0];
  EXPECT_EQ(r.changedKeys, (std::vector<int>{5, 17}));
  EXPECT_EQ(U(m.GetKeyName(5)), "Кассир");
  EXPECT_EQ(m.GetKeyMode(5), 2);
  EXPECT_EQ(m.GetKeyCode(5), "00A100000000");
  EXPECT_EQ(m.GetKeyPartitions(5), PartitionBit(1) | PartitionBit(2) | PartitionBit(3) | PartitionBit(5));
  EXPECT_EQ(U(m.GetKeyNameText(17)), "!Ёлкин");
  EXPECT_EQ(m.GetKeyPartitions(17), 0);
  EXPECT_EQ(FormatCommandLine(m, kRowKeyUser, 1), before2);
  EXPECT_EQ(m.GetKeyPartitions(2), PartitionBit(1));
}

TEST(KeysCsvImport, MissingColumnsKeepTheirValues) {
  T_Command_DEVICE m = Defaults();
  m.SetKeyCode(4, "1111");
  m.SetKeyMode(4, 2);
  auto r = Import("Разделы;№\r\n\"2,3\";4\r\n", m);
  ASSERT_TRUE(r.Ok()) << r.errors[0];
  EXPECT_EQ(m.GetKeyPartitions(4), PartitionBit(2) | PartitionBit(3));
  EXPECT_EQ(m.GetKeyCode(4), "111100000000");
  EXPECT_EQ(m.GetKeyMode(4), 2);
}

TEST(KeysCsvImport, SeparatorsAndEncodings) {
  const std::string rows[] = {
      kBom + "№;Пользователь;Разделы\r\n3;Иванов;1-2,4\r\n",
      "№,Пользователь,Разделы\n3,Иванов,\"1-2,4\"\n",
      "№\tПользователь\tРазделы\r\n3\t\"Иванов\"\t1-2,4",
      W("№;Пользователь;Разделы\r\n3;Иванов;1-2,4\r\n"),
  };
  for (const std::string& csv : rows) {
    T_Command_DEVICE m = Defaults();
    auto r = Import(csv, m);
    ASSERT_TRUE(r.Ok()) << r.errors[0];
    EXPECT_EQ(U(m.GetKeyName(3)), "Иванов");
    EXPECT_EQ(m.GetKeyPartitions(3), PartitionBit(1) | PartitionBit(2) | PartitionBit(4));
  }
}

TEST(KeysCsvImport, BadRowsAreNamedByRowAndNothingIsApplied) {
  T_Command_DEVICE m = Defaults();
  m.SetKeyName(1, W("Старый"));
  const std::string before = WriteConfigTextCrLf(m);
  auto r = Import(kBom + kHeader +
                      "1;Новый;;;1\r\n"                     // 2: mode missing
                      "0;x;Патруль;;\r\n"                   // 3
                      "2;Иван Петров;Патруль;12G;9\r\n"     // 4: three faults, one line
                      "\r\n"                                // 5: empty, skipped
                      "3;Абвгдежзий;Патруль;;1\r\n"         // 6: 10 characters in mode 2
                      "4;Абвгдежзий;Постановка/Снятие;1234567890ABC;2-1\r\n"  // 7
                      "4;x;Патруль;;1\r\n"                  // 8: key named twice
                      "5;\"a\r\nb\";Патруль;;1\r\n"         // 9 (spans two lines)
                      "6;ok;Патруль;;1;extra\r\n"           // 10
                      "7;ok\r\n",                           // 11
                  m);
  EXPECT_FALSE(r.Ok());
  EXPECT_EQ(r.badRows, 9);
  ASSERT_EQ(r.errors.size(), 9u);
  EXPECT_EQ(r.errors[0], "строка 2: режим работы \"\" - нужен \"Постановка/Снятие\", \"Принуждение\" или \"Патруль\"");
  EXPECT_EQ(r.errors[1], "строка 3: номер ключа \"0\" - нужно число от 1 до 250");
  // The inner space is no fault (a configuration text keeps it); the length is.
  EXPECT_EQ(r.errors[2],
            "строка 4: имя пользователя длиннее 9 знаков (режим \"Патруль\"); код управления \"12G\" - нужно не более 12 шестнадцатеричных цифр; "
            "разделы \"9\" - нужны номера от 1 до 8, например 1-2,4");
  EXPECT_EQ(r.errors[3], "строка 6: имя пользователя длиннее 9 знаков (режим \"Патруль\")");
  EXPECT_EQ(r.errors[4].rfind("строка 7: код управления \"1234567890ABC\"", 0), 0u) << r.errors[4];
  EXPECT_NE(r.errors[4].find("разделы \"2-1\""), std::string::npos);
  EXPECT_EQ(r.errors[5], "строка 8: ключ №4 уже задан в строке 7");
  EXPECT_EQ(r.errors[6], "строка 9: в имени пользователя управляющий знак");
  EXPECT_EQ(r.errors[7], "строка 10: лишнее поле \"extra\"");
  EXPECT_EQ(r.errors[8], "строка 11: полей 2, а в заголовке 5");
  EXPECT_EQ(WriteConfigTextCrLf(m), before);
  EXPECT_TRUE(r.changedKeys.empty());
}

TEST(KeysCsvImport, AtMostTwentyLines) {
  std::string csv = kHeader;
  for (int k = 1; k <= 30; ++k) csv += std::to_string(k) + ";;Никакой;;\r\n";
  T_Command_DEVICE m = Defaults();
  auto r = Import(csv, m);
  EXPECT_EQ(r.badRows, 30);
  ASSERT_EQ(r.errors.size(), 20u);
  EXPECT_EQ(r.errors.front().rfind("строка 2: ", 0), 0u);
  EXPECT_EQ(r.errors.back().rfind("строка 21: ", 0), 0u);
}

TEST(KeysCsvImport, HeaderFaults) {
  T_Command_DEVICE m = Defaults();
  EXPECT_EQ(Import("", m).errors, (std::vector<std::string>{"строка 1: нет строки заголовка"}));
  EXPECT_EQ(Import("Пользователь;Разделы\r\nx;1\r\n", m).errors,
            (std::vector<std::string>{"строка 1: нет столбца \"№\""}));
  EXPECT_EQ(Import("№;Имя;№\r\n", m).errors,
            (std::vector<std::string>{"строка 1: неизвестный столбец \"Имя\"; столбец \"№\" повторяется"}));
  // Trailing separators leave untitled columns that stay empty.
  auto r = Import("№;Пользователь;;\r\n8;Z;;\r\n", m);
  EXPECT_TRUE(r.Ok());
  EXPECT_EQ(m.GetKeyName(8), "Z");
}

TEST(KeysCsvImport, CodesAreJudgedTogether) {
  T_Command_DEVICE m = Defaults();
  m.SetKeyCode(5, "AAAA");
  m.SetKeyCode(6, "BBBB");
  // The code of key 5 typed into key 9.
  auto r = Import(kHeader + "9;;Патруль;aaaa;1\r\n", m);
  EXPECT_EQ(r.errors, (std::vector<std::string>{"строка 2: код управления совпадает с кодом ключа №5"}));
  EXPECT_EQ(m.GetKeyCode(9), "");
  // Two rows give one new code: both are wrong.
  r = Import(kHeader + "10;;Патруль;C;1\r\n11;;Патруль;C;1\r\n", m);
  EXPECT_EQ(r.errors, (std::vector<std::string>{"строка 2: код управления совпадает с кодом ключа №11",
                                                "строка 3: код управления совпадает с кодом ключа №10"}));
  // Exchanging two codes leaves no twin behind.
  r = Import(kHeader + "5;;Патруль;BBBB;1\r\n6;;Патруль;AAAA;1\r\n", m);
  ASSERT_TRUE(r.Ok()) << r.errors[0];
  EXPECT_EQ(m.GetKeyCode(5), "BBBB00000000");
  EXPECT_EQ(m.GetKeyCode(6), "AAAA00000000");
  // No-code values never match.
  r = Import(kHeader + "20;;Патруль;0;1\r\n21;;Патруль;000000000000;1\r\n", m);
  EXPECT_TRUE(r.Ok());
}

TEST(KeysCsvImport, TwinsAlreadyInTheFileAreNotTheTablesFault) {
  T_Command_DEVICE m = Defaults();
  m.SetKeyCode(1, "DDDD");
  m.SetKeyCode(2, "DDDD");
  auto r = Import(kHeader + "1;Иван;Патруль;DDDD00000000;1\r\n3;;Патруль;EEEE;1\r\n", m);
  ASSERT_TRUE(r.Ok()) << r.errors[0];
  EXPECT_EQ(U(m.GetKeyName(1)), "Иван");
}

TEST(KeysCsvImport, MaskedCodeKeepsTheFilesCode) {
  T_Command_DEVICE m = Defaults();
  m.SetKeyCode(3, "12AB");
  auto r = Import(kHeader + "3;;Патруль;************;1\r\n4;;Постановка/Снятие;***;1\r\n", m);
  ASSERT_TRUE(r.Ok()) << r.errors[0];
  EXPECT_EQ(m.GetKeyCode(3), "12AB00000000");
  EXPECT_EQ(m.GetKeyMode(3), 2);
  EXPECT_EQ(m.GetKeyCode(4), "");
  // A star among digits is no masked code.
  r = Import(kHeader + "3;;Патруль;12*4;1\r\n", m);
  EXPECT_FALSE(r.Ok());
  // An empty code removes the key's code.
  r = Import(kHeader + "3;;Патруль;;1\r\n", m);
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(m.GetKeyCode(3), "");
}

TEST(KeysCsvImport, NamesByTheKeysTabRules) {
  T_Command_DEVICE m = Defaults();
  // Ten characters fit mode 0; "Ё" passes the name filter.
  auto r = Import(kHeader + "1;Ёжиков1234;Постановка/Снятие;;1\r\n", m);
  ASSERT_TRUE(r.Ok()) << r.errors[0];
  EXPECT_EQ(m.GetKeyNameText(1), W("Ёжиков1234"));
  // Changing only the mode of that key would cut its name: refused.
  r = Import("№;Режим работы\r\n1;Принуждение\r\n", m);
  EXPECT_EQ(r.errors, (std::vector<std::string>{"строка 2: имя пользователя длиннее 9 знаков (режим \"Принуждение\")"}));
  // A UTF-8 character without a Windows-1251 byte.
  r = Import(kHeader + "2;Zoë€✓;Патруль;;1\r\n", m);
  EXPECT_EQ(r.errors, (std::vector<std::string>{"строка 2: в имени пользователя знак, которого нет в кодировке Windows-1251"}));
  // Judged by what a configuration text holds and reads back unchanged,
  // not by the grid's typing filter.
  struct Row {
    const char* name;
    const char* mode;
    const char* fault;  // nullptr: imported
  };
  const Row rows[] = {
      {"Патруль-2", "Патруль", nullptr},
      {"a-b", "Постановка/Снятие", nullptr},
      {"Иван Пет", "Принуждение", nullptr},
      {"!ab", "Патруль", nullptr},
      {"*ab", "Принуждение", nullptr},
      {"a_b#,", "Патруль", nullptr},
      {"a.b", "Патруль", "в имени пользователя недопустимый знак «.»"},
      {"a;b", "Патруль", "в имени пользователя недопустимый знак «;»"},
      {"a$b", "Патруль", "в имени пользователя недопустимый знак «$»"},
      {"a\x01" "b", "Патруль", "в имени пользователя управляющий знак"},
      {"!ab", "Постановка/Снятие", "имя пользователя \"!ab\" не сохраняется в конфигурации без изменений"},
      {"*ab", "Постановка/Снятие", "имя пользователя \"*ab\" не сохраняется в конфигурации без изменений"},
  };
  for (const Row& row : rows) {
    T_Command_DEVICE target = Defaults();
    r = Import(kHeader + "2;" + CsvField(row.name, ';') + ";" + row.mode + ";;1\r\n", target);
    if (row.fault) {
      EXPECT_EQ(r.errors, (std::vector<std::string>{std::string("строка 2: ") + row.fault})) << row.name;
      continue;
    }
    ASSERT_TRUE(r.Ok()) << row.name << ": " << r.errors[0];
    const T_Command_DEVICE back = Reloaded(target);
    EXPECT_EQ(U(back.GetKeyName(2)), row.name);
    EXPECT_EQ(back.GetKeyMode(2), target.GetKeyMode(2)) << row.name;
  }
}

// A table the program wrote imports into any configuration: «Патруль-2»
// came from a file, so another file takes it too.
TEST(KeysCsvImport, ExportOfOneFileImportsIntoAnother) {
  T_Command_DEVICE source;
  LoadConfigText(W("ua01-*Патруль-2     .\r\nua02-Склад (№3)  .\r\nua03-!A+B=C     .\r\n"), source);
  ASSERT_EQ(U(source.GetKeyName(1)), "Патруль-2");
  T_Command_DEVICE target = Defaults();
  target.SetKeyName(1, W("Другой"));
  const auto r = Import(ExportKeysCsv(source, true), target);
  ASSERT_TRUE(r.Ok()) << r.errors[0];
  for (int key : {1, 2, 3}) {
    EXPECT_EQ(target.GetKeyName(key), source.GetKeyName(key)) << key;
    EXPECT_EQ(target.GetKeyMode(key), source.GetKeyMode(key)) << key;
  }
}

// Excel's "Unicode text": UTF-16 with a byte-order mark, TAB between fields.
TEST(KeysCsvImport, Utf16TablesWithAMark) {
  const std::u16string text = u"№\tПользователь\tРазделы\r\n3\tИванов\t1-2,4\r\n4\tЁлкин 𝄞\t\r\n";
  for (bool big : {false, true}) {
    std::string bytes = big ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t u : text) {
      const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
      bytes += big ? std::string{hi, lo} : std::string{lo, hi};
    }
    T_Command_DEVICE m = Defaults();
    auto r = Import(bytes, m);
    // The clef has no Windows-1251 byte: the row is refused, the rest read.
    ASSERT_EQ(r.errors, (std::vector<std::string>{
                            "строка 3: в имени пользователя знак, которого нет в кодировке Windows-1251"}))
        << big;
    bytes.resize(bytes.size() - 12);  // drop " 𝄞\t\r\n" (6 units)
    bytes += big ? std::string("\0\t\0\r\0\n", 6) : std::string("\t\0\r\0\n\0", 6);
    m = Defaults();
    r = Import(bytes, m);
    ASSERT_TRUE(r.Ok()) << r.errors[0];
    EXPECT_EQ(U(m.GetKeyName(3)), "Иванов");
    EXPECT_EQ(U(m.GetKeyName(4)), "Ёлкин");
    EXPECT_EQ(m.GetKeyPartitions(3), PartitionBit(1) | PartitionBit(2) | PartitionBit(4));
  }
}

// Only the first twenty bad rows are kept, also when a duplicate code found
// at the end belongs to an early row.
TEST(KeysCsvImport, EarlyDuplicateCodeAmongManyBadRows) {
  std::string csv = kHeader + "1;;Патруль;ABCD;1\r\n2;;Патруль;ABCD;1\r\n";
  for (int k = 10; k < 40; ++k) csv += std::to_string(k) + ";;Никакой;;\r\n";
  T_Command_DEVICE m = Defaults();
  auto r = Import(csv, m);
  EXPECT_EQ(r.badRows, 32);
  ASSERT_EQ(r.errors.size(), 20u);
  EXPECT_EQ(r.errors[0].rfind("строка 2: код управления совпадает", 0), 0u) << r.errors[0];
  EXPECT_EQ(r.errors[1].rfind("строка 3: код управления совпадает", 0), 0u) << r.errors[1];
  EXPECT_EQ(r.errors.back().rfind("строка 21: ", 0), 0u) << r.errors.back();
}

TEST(KeysCsvImport, ValuesTheFileHoldsPassUnjudged) {
  // A file may hold names and codes the tab would not let one type.
  T_Command_DEVICE m;
  LoadConfigText("ua3-Very-long-name#1.XYZ1234567890123\r\nuz3-1,9\r\nua4-A\x98.\x98\r\n", m);
  const std::string before = WriteConfigTextCrLf(m);
  auto r = Import(ExportKeysCsv(m), m);
  ASSERT_TRUE(r.Ok()) << r.errors[0];
  EXPECT_TRUE(r.changedKeys.empty());
  EXPECT_EQ(WriteConfigTextCrLf(m), before);
}

std::vector<std::string> FixtureFiles() {
  std::vector<std::string> files;
  for (const char* dir : {"language", "container"}) {
    for (const auto& entry : std::filesystem::directory_iterator(test::Fixture(dir))) {
      const std::string ext = entry.path().extension().string();
      if (ext == ".in" || ext == ".txt") files.push_back(entry.path().string());
    }
  }
  return files;
}

TEST(KeysCsvRoundTrip, FixturesByteForByte) {
  const auto files = FixtureFiles();
  ASSERT_GE(files.size(), 10u);
  for (const std::string& path : files) {
    SCOPED_TRACE(path);
    T_Command_DEVICE m;
    LoadConfigText(test::ReadAll(path), m);
    const std::string normalized = WriteConfigTextCrLf(m);
    for (bool all : {false, true}) {
      T_Command_DEVICE target;
      LoadConfigText(test::ReadAll(path), target);
      auto r = ImportKeysCsv(ExportKeysCsv(m, all), target);
      ASSERT_TRUE(r.Ok()) << r.errors[0];
      EXPECT_EQ(WriteConfigTextCrLf(target), normalized);
    }
  }
}

std::string RandomText(std::mt19937& rng, int maxLen, const std::string& alphabet) {
  std::string s(std::uniform_int_distribution<size_t>(0, static_cast<size_t>(maxLen))(rng), ' ');
  for (char& c : s) c = alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(rng)];
  return s;
}

// Keys as files may hold them, including values the tab refuses.
void RandomKeys(std::mt19937& rng, T_Command_DEVICE& m, const std::string& nameChars, bool unique) {
  auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int k = 1; k <= kKeyCount; ++k) {
    if (in(0, 3) == 0) continue;
    m.SetKeyName(k, RandomText(rng, 9, nameChars));
    m.SetKeyMode(k, in(0, 2));
    const int kind = in(0, 3);
    if (kind == 1 && !unique) m.SetKeyCode(k, std::string(12, '*'));
    if (kind >= 2) {
      std::string code = unique ? PadNumber(k, 3, '0') : "";
      code += RandomText(rng, unique ? 9 : 12, "0123456789ABCDEF");
      m.SetKeyCode(k, code);
    }
    m.SetKeyPartitions(k, static_cast<PartitionSet>(in(0, 255) << 1));
  }
}

TEST(KeysCsvRoundTrip, RandomFilesByteForByte) {
  std::mt19937 rng(16);
  for (int round = 0; round < 40; ++round) {
    T_Command_DEVICE m = Defaults();
    RandomKeys(rng, m, "abcXYZ019_#,\"-!?\xC0\xDF\xE0\xFF\xA8\xB8\xB9", false);
    m = Reloaded(m);
    const std::string normalized = WriteConfigTextCrLf(m);
    T_Command_DEVICE target = m;
    auto r = ImportKeysCsv(ExportKeysCsv(m, round % 2 == 0), target);
    ASSERT_TRUE(r.Ok()) << round << ": " << r.errors[0];
    EXPECT_TRUE(r.changedKeys.empty());
    EXPECT_EQ(WriteConfigTextCrLf(target), normalized) << round;
  }
}

TEST(KeysCsvRoundTrip, AnotherFilesKeysAreCopiedWhole) {
  std::mt19937 rng(1601);
  for (int round = 0; round < 20; ++round) {
    T_Command_DEVICE from = Defaults();
    RandomKeys(rng, from, "abcXYZ019\xC0\xDF\xE0\xFF\xA8\xB8", true);
    T_Command_DEVICE into = Defaults();
    RandomKeys(rng, into, "abcXYZ019", false);
    into = Reloaded(into);
    auto r = ImportKeysCsv(ExportKeysCsv(from, true), into);
    ASSERT_TRUE(r.Ok()) << round << ": " << r.errors[0];
    for (int k = 1; k <= kKeyCount; ++k) {
      ASSERT_EQ(KeyRowTexts(into, k), KeyRowTexts(from, k)) << round << " key " << k;
    }
  }
}

}  // namespace
}  // namespace kestrin
