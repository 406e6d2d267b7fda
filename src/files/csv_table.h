#pragma once
// Delimited tables as spreadsheet programs read and write them: fields
// separated by ";", "," or TAB, quoted with doubled quotes inside (RFC 4180),
// records ending at CR LF, LF or CR. Works on bytes: the separators, quotes
// and line ends are ASCII, so the same parser serves UTF-8 and Windows-1251.
#include <string>
#include <string_view>
#include <vector>

namespace kestrin {

enum class CsvEncoding { Utf8WithBom, Utf8, Cp1251 };

// A byte-order mark says UTF-8; else valid UTF-8 is taken as UTF-8 and
// anything else as Windows-1251. *body receives the bytes after the mark.
CsvEncoding DetectCsvEncoding(std::string_view bytes, std::string_view* body);

// A table that starts with a UTF-16 byte-order mark (little- or big-endian,
// as spreadsheet programs save "Unicode text"): true, and utf8 receives the
// text as UTF-8 without the mark (unpaired surrogates as U+FFFD). False, and
// utf8 untouched, for anything else.
bool DecodeUtf16Table(std::string_view bytes, std::string& utf8);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// The separator of the first record: the one of ";", TAB and "," found most
// often outside quotes there; ";" when none is (or on a tie, ";" then TAB).
char DetectCsvSeparator(std::string_view body);

struct CsvRecord {
  int row = 0;                      // 1 for the first record, as a spreadsheet numbers rows
  std::vector<std::string> fields;  // quotes removed, doubled quotes undone
  std::string fault;                // UTF-8; empty when the record parsed cleanly
};

// Records one at a time, so that a table of millions of rows is never held
// as records at once.
class CsvReader {
 public:
  CsvReader(std::string_view body, char separator) : s_(body), sep_(separator) {}
  // The next record into rec; false at the end of the data.
  bool Next(CsvRecord& rec);

 private:
  std::string_view s_;
  char sep_;
  size_t i_ = 0;
  int row_ = 0;
};

std::vector<CsvRecord> ParseCsv(std::string_view body, char separator);

// The field as written: quoted, with quotes doubled, when it holds the
// separator, a quote, CR or LF; else unchanged.
std::string CsvField(std::string_view value, char separator);

}  // namespace kestrin
