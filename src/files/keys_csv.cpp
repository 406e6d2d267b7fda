#include "files/keys_csv.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <unordered_map>

#include "files/csv_table.h"
#include "model/catalogues.h"
#include "model/codec.h"
#include "model/key_name_text.h"
#include "model/tab_rules.h"
#include "report/checks.h"

namespace kestrin {

const std::array<const char*, 5> kKeysCsvColumns = {"№", "Пользователь", "Режим работы",
                                                     "Код управления", "Разделы"};

namespace {

enum Column { kColNumber = 0, kColName, kColMode, kColCode, kColParts, kColumnCount };

constexpr PartitionSet kPartitionBits = 0x1FE;  // partitions 1..8
constexpr size_t kShownBytes = 40;

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A value quoted for a message, UTF-8, long ones cut.
std::string Shown(std::string_view cp1251) {
  std::string cut(cp1251.substr(0, kShownBytes));
  if (cp1251.size() > kShownBytes) cut += "...";
  return "\"" + Cp1251ToUtf8(cut) + "\"";
}

std::string ModeName(int mode) { return CatalogueName(KeyModeText(mode)); }

// Mode code of a list text (letter case and blanks around ignored), or -1.
int ModeOfText(std::string_view text) {
  const std::string wanted = UpperCp1251(text);
  for (int pos = 1; pos <= kKeyModePositions; ++pos) {
    const int code = KeyModeCode(pos);
    if (UpperCp1251(ModeName(code)) == wanted) return code;
  }
  return -1;
}

// 1..250 written in decimal digits, or 0.
int KeyOfText(std::string_view text) {
  if (text.empty() || text.size() > 3) return 0;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
  }
  return n >= 1 && n <= kKeyCount ? n : 0;
}

// Strict ranges: "1-2,4"; numbers 1..8, each range ascending. Empty: no partition.
std::optional<PartitionSet> PartitionsOfText(std::string_view text) {
  PartitionSet set = 0;
  if (text.empty()) return set;
  auto number = [](std::string_view s) -> int {
    s = Trim(s);
    return s.size() == 1 && s[0] >= '1' && s[0] <= '8' ? s[0] - '0' : 0;
  };
  while (true) {
    const size_t comma = text.find(',');
    const std::string_view part = text.substr(0, comma);
    const size_t dash = part.find('-');
    const int first = number(part.substr(0, dash));
    const int last = dash == std::string_view::npos ? first : number(part.substr(dash + 1));
    if (first == 0 || last < first) return std::nullopt;
    for (int p = first; p <= last; ++p) set |= PartitionBit(p);
    if (comma == std::string_view::npos) return set;
    text.remove_prefix(comma + 1);
  }
}

// Why a name does not survive the configuration text: its first control
// byte or byte the text gives another meaning, else the name as a whole.
std::string NameFault(const std::string& name) {
  for (char c : name) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) return "в имени пользователя управляющий знак";
    if (c == '.' || c == ';' || c == '$') {
      return "в имени пользователя недопустимый знак «" + Cp1251ToUtf8(std::string(1, c)) + "»";
    }
  }
  return "имя пользователя " + Shown(name) + " не сохраняется в конфигурации без изменений";
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

struct Cell {
  std::string text;  // Windows-1251, blanks around removed
  bool lossless = true;
  std::string_view raw;  // as the table holds it, blanks around removed
};

// Whether the cell holds the stored text. A UTF-8 table carries the file's
// one unassigned byte (0x98) as U+FFFD, which has no way back: compare in UTF-8.
bool SameAsStored(const Cell& cell, const std::string& stored) {
  if (cell.lossless) return cell.text == stored;
  return cell.raw == Cp1251ToUtf8(stored);
}

// What one good row sets; unset optionals keep the key's value.
struct KeyChange {
  int key = 0;
  std::optional<int> mode;
  std::optional<std::string> name;
  std::optional<std::string> code;
  std::optional<PartitionSet> partitions;
};

class Importer {
 public:
  Importer(const T_Command_DEVICE& model, CsvEncoding encoding)
      : model_(model), utf8_(encoding != CsvEncoding::Cp1251) {}

  bool ReadHeader(const CsvRecord& rec);
  void JudgeRow(const CsvRecord& rec);
  // Applies the good rows to a copy, then judges the codes together.
  void ApplyAndJudgeCodes(T_Command_DEVICE& work, std::vector<int>& changed);
  void Fault(int row, std::string why) { FaultRow(row, {std::move(why)}); }
  // Every reason of one bad row at once. Only the first rows' reasons are
  // kept (a table of millions of bad rows must not be held); the rest count.
  void FaultRow(int row, std::vector<std::string> why);
  const std::map<int, std::vector<std::string>>& Faults() const { return faults_; }
  int BadRows() const { return static_cast<int>(faults_.size()) + droppedRows_; }

 private:
  std::vector<Cell>& Cells(const CsvRecord& rec);
  // Too few fields, or text in a field no column heads.
  void JudgeShape(const std::vector<Cell>& cells, std::vector<std::string>& why) const;
  void JudgeName(const Cell& cell, int key, int mode, KeyChange& change, std::vector<std::string>& why) const;
  void JudgeCode(const Cell& cell, int key, KeyChange& change, std::vector<std::string>& why) const;

  const T_Command_DEVICE& model_;
  bool utf8_;
  std::vector<int> columns_;  // Column of each header field
  std::array<int, kKeyCount + 1> namedAt_{};
  std::vector<std::pair<int, KeyChange>> changes_;  // (row, change)
  std::map<int, std::vector<std::string>> faults_;
  int droppedRows_ = 0;
  std::vector<Cell> cells_;
};

void Importer::FaultRow(int row, std::vector<std::string> why) {
  auto it = faults_.find(row);
  if (it == faults_.end()) {
    if (faults_.size() >= static_cast<size_t>(kKeysCsvMaxErrors)) {
      ++droppedRows_;
      // A row after the kept ones only counts; an earlier one (duplicate codes
      // are judged at the end) takes the place of the last kept row.
      if (row > faults_.rbegin()->first) return;
      faults_.erase(std::prev(faults_.end()));
    }
    it = faults_.emplace(row, std::vector<std::string>()).first;
  }
  for (std::string& w : why) it->second.push_back(std::move(w));
}

std::vector<Cell>& Importer::Cells(const CsvRecord& rec) {
  // Reused from row to row (a table can have millions of rows).
  std::vector<Cell>& cells = cells_;
  cells.resize(rec.fields.size());
  for (size_t i = 0; i < rec.fields.size(); ++i) {
    const std::string_view raw = Trim(rec.fields[i]);
    cells[i].raw = raw;
    cells[i].lossless = true;
    if (utf8_) cells[i].text = Utf8ToCp1251(raw, &cells[i].lossless);
    else cells[i].text.assign(raw);
  }
  return cells;
}

bool Importer::ReadHeader(const CsvRecord& rec) {
  if (!rec.fault.empty()) {
    Fault(rec.row, rec.fault);
    return false;
  }
  std::array<bool, kColumnCount> seen{};
  for (const Cell& cell : Cells(rec)) {
    int column = -1;
    for (int c = 0; c < kColumnCount; ++c) {
      if (cell.text == Utf8ToCp1251(kKeysCsvColumns[static_cast<size_t>(c)])) column = c;
    }
    if (column < 0) {
      // Trailing separators leave untitled columns; their cells must stay empty.
      if (!cell.text.empty()) Fault(rec.row, "неизвестный столбец " + Shown(cell.text));
    } else if (seen[static_cast<size_t>(column)]) {
      Fault(rec.row, "столбец " + Shown(cell.text) + " повторяется");
    }
    if (column >= 0) seen[static_cast<size_t>(column)] = true;
    columns_.push_back(column);
  }
  if (!seen[kColNumber]) Fault(rec.row, "нет столбца \"№\"");
  return faults_.empty();
}

void Importer::JudgeName(const Cell& cell, int key, int mode, KeyChange& change,
                         std::vector<std::string>& why) const {
  const std::string& name = cell.text;
  const bool nameChanged = !SameAsStored(cell, model_.GetKeyName(key));
  if (!nameChanged && mode == model_.GetKeyMode(key)) return;
  if (nameChanged && !cell.lossless) {
    why.push_back("в имени пользователя знак, которого нет в кодировке Windows-1251");
    return;
  }
  // The mark of a mode other than 0 takes one of the stored characters.
  const size_t limit = static_cast<size_t>(KeyNameMaxLength(mode));
  if (name.size() > limit) {
    std::string text = "имя пользователя длиннее " + std::to_string(limit) + " знаков";
    if (mode != 0) text += " (режим \"" + Cp1251ToUtf8(ModeName(mode)) + "\")";
    why.push_back(text);
    return;
  }
  // Judged by what a configuration text keeps, not by the grid's typing
  // filter: a name that came from a configuration must import anywhere. A
  // new mode is judged with the name too ("!ab" would read back as a mode).
  if (!KeyNameRoundTrips(name, mode)) {
    why.push_back(NameFault(name));
    return;
  }
  if (nameChanged) change.name = name;
}

void Importer::JudgeCode(const Cell& cell, int key, KeyChange& change, std::vector<std::string>& why) const {
  const std::string& text = cell.text;
  const std::string current = model_.GetKeyCode(key);
  if (SameAsStored(cell, current)) return;
  if (!text.empty() && text.find_first_not_of('*') == std::string::npos) return;  // masked: kept
  const bool hex = std::all_of(text.begin(), text.end(), IsHexDigit);
  if (!hex || text.size() > static_cast<size_t>(kKeyCodeLength)) {
    why.push_back("код управления " + Shown(text) + " - нужно не более 12 шестнадцатеричных цифр");
    return;
  }
  const std::string code = NormalizeKeyCodeText(UpperLatin(text));
  if (code != current) change.code = code;
}

void Importer::JudgeShape(const std::vector<Cell>& cells, std::vector<std::string>& why) const {
  const size_t width = columns_.size();
  if (cells.size() < width) {
    why.push_back("полей " + std::to_string(cells.size()) + ", а в заголовке " + std::to_string(width));
  }
  for (size_t i = 0; i < cells.size(); ++i) {
    if ((i >= width || columns_[i] < 0) && !cells[i].text.empty()) {
      why.push_back("лишнее поле " + Shown(cells[i].text));
      return;
    }
  }
}

void Importer::JudgeRow(const CsvRecord& rec) {
  const std::vector<Cell>& cells = Cells(rec);
  const bool blank = std::all_of(cells.begin(), cells.end(), [](const Cell& c) { return c.text.empty(); });
  if (blank && rec.fault.empty()) return;  // spreadsheets leave empty rows
  std::vector<std::string> why;
  auto done = [&] { FaultRow(rec.row, std::move(why)); };
  if (!rec.fault.empty()) why.push_back(rec.fault);
  JudgeShape(cells, why);
  if (!why.empty()) return done();
  const size_t width = columns_.size();
  std::array<const Cell*, kColumnCount> at{};
  for (size_t i = 0; i < width; ++i) {
    if (columns_[i] >= 0) at[static_cast<size_t>(columns_[i])] = &cells[i];
  }

  KeyChange change;
  change.key = KeyOfText(at[kColNumber]->text);
  if (change.key == 0) {
    why.push_back("номер ключа " + Shown(at[kColNumber]->text) + " - нужно число от 1 до 250");
    return done();
  }
  if (int first = namedAt_[static_cast<size_t>(change.key)]; first != 0) {
    why.push_back("ключ №" + std::to_string(change.key) + " уже задан в строке " + std::to_string(first));
    return done();
  }
  namedAt_[static_cast<size_t>(change.key)] = rec.row;
  const int key = change.key;

  int mode = model_.GetKeyMode(key);
  if (const Cell* c = at[kColMode]) {
    mode = ModeOfText(c->text);
    if (mode < 0) {
      why.push_back("режим работы " + Shown(c->text) + " - нужен \"Постановка/Снятие\", \"Принуждение\" или \"Патруль\"");
      mode = model_.GetKeyMode(key);
    } else if (mode != model_.GetKeyMode(key)) {
      change.mode = mode;
    }
  }
  const Cell nameKept{model_.GetKeyName(key), true, {}};
  JudgeName(at[kColName] ? *at[kColName] : nameKept, key, mode, change, why);
  if (const Cell* c = at[kColCode]) JudgeCode(*c, key, change, why);
  if (const Cell* c = at[kColParts]) {
    const auto set = PartitionsOfText(c->text);
    if (!set) {
      why.push_back("разделы " + Shown(c->text) + " - нужны номера от 1 до 8, например 1-2,4");
    } else if (*set != (model_.GetKeyPartitions(key) & kPartitionBits)) {
      change.partitions = *set;
    }
  }
  if (!why.empty()) return done();
  if (change.mode || change.name || change.code || change.partitions) changes_.emplace_back(rec.row, change);
}

void Importer::ApplyAndJudgeCodes(T_Command_DEVICE& work, std::vector<int>& changed) {
  for (const auto& [row, c] : changes_) {
    if (c.mode) work.SetKeyMode(c.key, *c.mode);
    if (c.name) work.SetKeyName(c.key, *c.name);
    if (c.code) work.SetKeyCode(c.key, *c.code);
    if (c.partitions) work.SetKeyPartitions(c.key, *c.partitions);
    changed.push_back(c.key);
  }
  // Codes already in the file are the save checks' business; a code this
  // table sets must not be held by any other key afterwards. Counting the
  // codes first keeps a table of 250 new codes from 250 full searches.
  std::unordered_map<std::string, int> uses;
  for (int key = 1; key <= kKeyCount; ++key) {
    std::string code = work.GetKeyCode(key);
    if (!IsNoKeyCode(code)) ++uses[std::move(code)];
  }
  for (const auto& [row, c] : changes_) {
    if (!c.code || IsNoKeyCode(*c.code) || uses[*c.code] < 2) continue;
    if (int other = Check_Code_Double(work, c.key); other != 0) {
      Fault(row, "код управления совпадает с кодом ключа №" + std::to_string(other));
    }
  }
  std::sort(changed.begin(), changed.end());
}

}  // namespace

std::array<std::string, 5> KeyRowTexts(const T_Command_DEVICE& model, int key) {
  return {std::to_string(key), model.GetKeyName(key), ModeName(model.GetKeyMode(key)), model.GetKeyCode(key),
          FormatPartitionRanges(model.GetKeyPartitions(key))};
}

bool IsDefaultKeyRow(const T_Command_DEVICE& model, int key) {
  static const std::array<std::string, 5> fresh = [] {
    T_Command_DEVICE defaults;
    defaults.SetDefaults();
    return KeyRowTexts(defaults, 1);
  }();
  const auto row = KeyRowTexts(model, key);
  return std::equal(row.begin() + 1, row.end(), fresh.begin() + 1);
}

std::string ExportKeysCsv(const T_Command_DEVICE& model, bool all) {
  std::string out = "\xEF\xBB\xBF";
  auto put = [&out](const auto& fields, bool cp1251) {
    for (size_t i = 0; i < fields.size(); ++i) {
      if (i != 0) out += ';';
      out += CsvField(cp1251 ? Cp1251ToUtf8(fields[i]) : std::string(fields[i]), ';');
    }
    out += "\r\n";
  };
  put(kKeysCsvColumns, false);
  for (int key = 1; key <= kKeyCount; ++key) {
    if (all || !IsDefaultKeyRow(model, key)) put(KeyRowTexts(model, key), true);
  }
  return out;
}

KeysCsvImport ImportKeysCsv(std::string_view bytes, T_Command_DEVICE& model) {
  KeysCsvImport result;
  std::string utf16Text;
  if (DecodeUtf16Table(bytes, utf16Text)) bytes = utf16Text;
  std::string_view body;
  const CsvEncoding encoding = DetectCsvEncoding(bytes, &body);
  CsvReader reader(body, DetectCsvSeparator(body));
  Importer importer(model, encoding);
  T_Command_DEVICE work;
  std::vector<int> changed;
  CsvRecord rec;
  if (!reader.Next(rec)) {
    importer.Fault(1, "нет строки заголовка");
  } else if (importer.ReadHeader(rec)) {
    while (reader.Next(rec)) importer.JudgeRow(rec);
    // The good rows are applied to a copy even when others are bad, so that
    // one run reports duplicate codes too.
    work = model;
    importer.ApplyAndJudgeCodes(work, changed);
  }
  result.badRows = importer.BadRows();
  for (const auto& [row, reasons] : importer.Faults()) {
    std::string line = "строка " + std::to_string(row) + ": ";
    for (size_t i = 0; i < reasons.size(); ++i) line += (i ? "; " : "") + reasons[i];
    result.errors.push_back(std::move(line));
  }
  if (result.Ok()) {
    model = std::move(work);
    result.changedKeys = std::move(changed);
  }
  return result;
}

}  // namespace kestrin
