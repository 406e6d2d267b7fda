#include "model/writer.h"

namespace kestrin {

namespace {

void PadTo(std::string& line, size_t width) {
  if (line.size() < width) line.append(width - line.size(), ' ');
}

// A key line: "uaNN-" and the name padded to 15 characters, then "." and the
// code written backwards.
std::string KeyLine(const T_Command& e) {
  std::string line = "ua";
  if (e.Subscript() >= 0 && e.Subscript() < 10) line += '0';
  line += std::to_string(e.Subscript());
  line += '-';
  line += e.Text(1);
  PadTo(line, 15);
  line += '.';
  line.append(e.Text(2).rbegin(), e.Text(2).rend());
  return line;
}

// The non-zero items, comma-separated.
std::string ListText(const T_Command& e) {
  std::string text;
  for (int i = 1; i <= T_Command::kListSize; ++i) {
    const int32_t v = e.ListItem(i);
    if (v == 0) continue;
    if (!text.empty()) text += ',';
    text += std::to_string(v);
  }
  return text;
}

std::string FirstValueText(const CommandRow& r, const T_Command& e) {
  switch (r.kind1) {
    case kValInteger:
      // An integer with an empty text after it is written without the integer.
      if (r.kind2 == kVal2Text && e.Text(2).empty()) return {};
      return std::to_string(e.Value(1));
    case kValWordText:
    case kValRestOfLine: return e.Text(1);
    case kValList: return ListText(e);
    default: return {};
  }
}

std::string CommandLine(const CommandRow& r, const T_Command& e) {
  std::string line = r.code;
  if (r.kind1 == kValNone && r.kind2 == kVal2None) return line;
  if (!r.Single()) line += std::to_string(e.Subscript());
  line += '-';
  line += FirstValueText(r, e);
  if (r.kind2 == kVal2Integer) {
    // A second integer out of its range is left out, dot and all.
    const int32_t v = e.Value(2);
    if (v >= r.min2 && v <= r.max2) line += '.' + std::to_string(v);
  } else if (r.kind2 == kVal2Text) {
    line += '.';
    line += e.Text(2);
  }
  return line;
}

}  // namespace

void PadLine(std::string& line) { PadTo(line, kLineWidth); }

std::string FormatCommandLine(const T_Command_DEVICE& model, int row, int index) {
  if (row < 0 || row >= kRowCount || !kCommandTable[row].HasCode()) return {};
  const T_Command* e = model.Element(row, index);
  return e ? CommandLine(kCommandTable[row], *e) : std::string();
}

void WriteConfigText(const T_Command_DEVICE& model, std::vector<std::string>& lines) {
  for (int row = 0; row < kRowCount; ++row) {
    if (row != kRowFileKey && row != kRowKeyUser && !kCommandTable[row].HasCode()) continue;
    const int count = model.ElementCount(row);
    for (int n = 0; n < count; ++n) {
      // The second file key line comes first.
      const int i = row == kRowFileKey ? count - 1 - n : n;
      std::string line = row == kRowKeyUser ? KeyLine(*model.Element(row, i)) : FormatCommandLine(model, row, i);
      PadLine(line);
      lines.push_back(std::move(line));
    }
  }
}

std::string WriteConfigTextCrLf(const T_Command_DEVICE& model) {
  std::vector<std::string> lines;
  WriteConfigText(model, lines);
  std::string out;
  for (const std::string& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

}  // namespace kestrin
