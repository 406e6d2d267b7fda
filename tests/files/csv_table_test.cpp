#include "files/csv_table.h"

#include <gtest/gtest.h>

namespace kestrin {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvTable, QuotedFieldsKeepSeparatorsQuotesAndLineBreaks) {
  auto recs = ParseCsv("\"a;b\";\"say \"\"hi\"\"\";\"two\r\nlines\";plain\r\nnext;\"\"\r\n", ';');
  ASSERT_EQ(recs.size(), 2u);
  EXPECT_EQ(recs[0].fields, (Fields{"a;b", "say \"hi\"", "two\r\nlines", "plain"}));
  EXPECT_EQ(recs[0].row, 1);
  EXPECT_EQ(recs[1].fields, (Fields{"next", ""}));
  // The record after a quoted line break is still the spreadsheet's row 2.
  EXPECT_EQ(recs[1].row, 2);
  EXPECT_TRUE(recs[0].fault.empty());
}

TEST(CsvTable, LineEndsAndEmptyFields) {
  // LF only, lone CR, no final line end; empty fields at both ends.
  auto recs = ParseCsv(";x;\nA\rB", ';');
  ASSERT_EQ(recs.size(), 3u);
  EXPECT_EQ(recs[0].fields, (Fields{"", "x", ""}));
  EXPECT_EQ(recs[1].fields, (Fields{"A"}));
  EXPECT_EQ(recs[2].fields, (Fields{"B"}));
  // An empty line is a row of one empty field; nothing after the last break.
  recs = ParseCsv("a\r\n\r\nb\r\n", ';');
  ASSERT_EQ(recs.size(), 3u);
  EXPECT_EQ(recs[1].fields, (Fields{""}));
  EXPECT_EQ(recs[2].row, 3);
}

TEST(CsvTable, BrokenQuotingIsReportedOnItsRecord) {
  auto recs = ParseCsv("ok\r\n\"ab\"c;d\r\n\"open;\r\nmore", ';');
  ASSERT_EQ(recs.size(), 3u);
  EXPECT_TRUE(recs[0].fault.empty());
  EXPECT_EQ(recs[1].fault, "знаки после закрывающей кавычки");
  EXPECT_EQ(recs[1].fields.size(), 2u);
  EXPECT_EQ(recs[2].fault, "не закрыта кавычка");
  // A quote inside an unquoted field is an ordinary character.
  recs = ParseCsv("a\"b;c", ';');
  EXPECT_EQ(recs[0].fields, (Fields{"a\"b", "c"}));
  EXPECT_TRUE(recs[0].fault.empty());
}

TEST(CsvTable, WritingQuotesOnlyWhereNeededAndReadsBack) {
  EXPECT_EQ(CsvField("1-2,4", ';'), "1-2,4");
  EXPECT_EQ(CsvField("1-2,4", ','), "\"1-2,4\"");
  EXPECT_EQ(CsvField("a;b", ';'), "\"a;b\"");
  EXPECT_EQ(CsvField("x\"y", ';'), "\"x\"\"y\"");
  EXPECT_EQ(CsvField("l\n", '\t'), "\"l\n\"");
  EXPECT_EQ(CsvField("", ';'), "");
  for (char sep : {';', ',', '\t'}) {
    const Fields values = {"a;b,c\td", "\"", "", "x\r\ny", " blank "};
    std::string line;
    for (size_t i = 0; i < values.size(); ++i) line += (i ? std::string(1, sep) : "") + CsvField(values[i], sep);
    auto recs = ParseCsv(line + "\r\n", sep);
    ASSERT_EQ(recs.size(), 1u);
    EXPECT_EQ(recs[0].fields, values) << "separator " << int(sep);
  }
}

TEST(CsvTable, SeparatorFromTheFirstRecord) {
  EXPECT_EQ(DetectCsvSeparator("a;b;c\r\n1,2,3,4,5"), ';');
  EXPECT_EQ(DetectCsvSeparator("a,b,c\r\n1;2;3;4"), ',');
  EXPECT_EQ(DetectCsvSeparator("a\tb\tc"), '\t');
  // Separators inside quotes do not count.
  EXPECT_EQ(DetectCsvSeparator("\"a;b;c;d\",x,y"), ',');
  EXPECT_EQ(DetectCsvSeparator("single"), ';');
  EXPECT_EQ(DetectCsvSeparator(""), ';');
}

TEST(CsvTable, EncodingByMarkThenByValidity) {
  std::string_view body;
  EXPECT_EQ(DetectCsvEncoding("\xEF\xBB\xBF№;x", &body), CsvEncoding::Utf8WithBom);
  EXPECT_EQ(body, "№;x");
  EXPECT_EQ(DetectCsvEncoding("№;Пользователь", &body), CsvEncoding::Utf8);
  EXPECT_EQ(DetectCsvEncoding("\xB9;\xCF\xEE\xEB\xFC\xE7", &body), CsvEncoding::Cp1251);
  EXPECT_EQ(body.size(), 7u);
  EXPECT_EQ(DetectCsvEncoding("plain ascii", &body), CsvEncoding::Utf8);
}

TEST(CsvTable, Utf8ValidityIsStrict) {
  EXPECT_TRUE(IsValidUtf8("Ёж € \xF0\x9F\x98\x80"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong "/"
  EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));      // overlong, three bytes
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xD0"));              // cut at the end
  EXPECT_FALSE(IsValidUtf8("\xD0\x41"));          // continuation missing
  EXPECT_FALSE(IsValidUtf8("\x80"));
}

}  // namespace
}  // namespace kestrin
