#include "files/csv_table.h"

#include "model/codec.h"

namespace kestrin {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Past the line end at i (CR LF counts as one).
size_t SkipLineEnd(std::string_view s, size_t i) {
  if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') return i + 2;
  return i + 1;
}

// Reads one quoted field starting after its opening quote; i ends past the
// closing quote. False when the data ends inside the quotes.
bool ReadQuoted(std::string_view s, size_t& i, std::string& field) {
  while (i < s.size()) {
    const size_t quote = s.find('"', i);
    if (quote == std::string_view::npos) break;
    field.append(s.substr(i, quote - i));
    if (quote + 1 < s.size() && s[quote + 1] == '"') {
      field += '"';
      i = quote + 2;
      continue;
    }
    i = quote + 1;
    return true;
  }
  field.append(s.substr(i));
  i = s.size();
  return false;
}

}  // namespace

bool IsValidUtf8(std::string_view s) {
  size_t i = 0;
  const size_t n = s.size();
  while (i < n) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    int extra;
    char32_t cp;
    if (b >= 0xC2 && b <= 0xDF) {
      extra = 1;
      cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      extra = 2;
      cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      extra = 3;
      cp = b & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<size_t>(extra) >= n) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto c = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if ((extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000)) return false;  // overlong
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
    i += static_cast<size_t>(extra) + 1;
  }
  return true;
}

CsvEncoding DetectCsvEncoding(std::string_view bytes, std::string_view* body) {
  if (bytes.substr(0, kBom.size()) == kBom) {
    *body = bytes.substr(kBom.size());
    return CsvEncoding::Utf8WithBom;
  }
  *body = bytes;
  return IsValidUtf8(bytes) ? CsvEncoding::Utf8 : CsvEncoding::Cp1251;
}

char DetectCsvSeparator(std::string_view body) {
  int semicolons = 0, tabs = 0, commas = 0;
  bool quoted = false;
  for (char c : body) {
    if (c == '"') {
      quoted = !quoted;  // a doubled quote toggles twice: no change
      continue;
    }
    if (quoted) continue;
    if (IsLineEnd(c)) break;
    if (c == ';') ++semicolons;
    else if (c == '\t') ++tabs;
    else if (c == ',') ++commas;
  }
  if (semicolons >= tabs && semicolons >= commas) return ';';
  return tabs >= commas ? '\t' : ',';
}

bool CsvReader::Next(CsvRecord& rec) {
  const std::string_view s = s_;
  const char sep = sep_;
  size_t& i = i_;
  if (i >= s.size()) return false;
  rec.row = ++row_;
  rec.fault.clear();
  // The record's strings are reused from one record to the next: a table of
  // millions of rows then costs no allocation a field.
  size_t count = 0;
  auto next = [&rec, &count]() -> std::string& {
    if (count == rec.fields.size()) rec.fields.emplace_back();
    std::string& f = rec.fields[count++];
    f.clear();
    return f;
  };
  // One field per pass; the record ends at an unquoted line end.
  while (true) {
    std::string& field = next();
    if (i < s.size() && s[i] == '"') {
      ++i;
      if (!ReadQuoted(s, i, field) && rec.fault.empty()) rec.fault = "не закрыта кавычка";
      // Anything between the closing quote and the separator breaks the field.
      size_t stray = i;
      while (stray < s.size() && s[stray] != sep && !IsLineEnd(s[stray])) ++stray;
      if (stray != i && rec.fault.empty()) rec.fault = "знаки после закрывающей кавычки";
      field.append(s.substr(i, stray - i));
      i = stray;
    } else {
      size_t end = i;
      while (end < s.size() && s[end] != sep && !IsLineEnd(s[end])) ++end;
      field.assign(s.substr(i, end - i));
      i = end;
    }
    if (i < s.size() && s[i] == sep) {
      ++i;
      continue;
    }
    if (i < s.size()) i = SkipLineEnd(s, i);
    rec.fields.resize(count);
    return true;
  }
}

std::vector<CsvRecord> ParseCsv(std::string_view s, char sep) {
  std::vector<CsvRecord> records;
  CsvReader reader(s, sep);
  CsvRecord rec;
  while (reader.Next(rec)) records.push_back(rec);
  return records;
}

bool DecodeUtf16Table(std::string_view bytes, std::string& utf8) {
  if (bytes.size() < 2) return false;
  const auto b0 = static_cast<unsigned char>(bytes[0]);
  const auto b1 = static_cast<unsigned char>(bytes[1]);
  const bool little = b0 == 0xFF && b1 == 0xFE;
  const bool big = b0 == 0xFE && b1 == 0xFF;
  if (!little && !big) return false;
  auto unit = [&](size_t at) -> char32_t {
    const auto x = static_cast<unsigned char>(bytes[at]);
    const auto y = static_cast<unsigned char>(bytes[at + 1]);
    return little ? (static_cast<char32_t>(y) << 8) | x : (static_cast<char32_t>(x) << 8) | y;
  };
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  size_t i = 2;
  for (; i + 1 < bytes.size(); i += 2) {
    const char32_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? char32_t{0xFFFD} : u);
  }
  if (i < bytes.size()) AppendUtf8(out, 0xFFFD);  // an odd last byte
  utf8 = std::move(out);
  return true;
}

std::string CsvField(std::string_view value, char sep) {
  bool needsQuotes = false;
  for (char c : value) {
    if (c == sep || c == '"' || IsLineEnd(c)) {
      needsQuotes = true;
      break;
    }
  }
  if (!needsQuotes) return std::string(value);
  std::string out;
  out.reserve(value.size() + 2);
  out += '"';
  for (char c : value) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

}  // namespace kestrin
