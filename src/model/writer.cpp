#include "model/writer.h"
#include "model/writer_internal.h"

#include <charconv>

namespace kestrin {

namespace {

void AppendNumber(std::string& line, int32_t v) {
  char digits[12];  // "-2147483648" and room to spare
  const char* end = std::to_chars(digits, digits + sizeof digits, v).ptr;
  // Pointer and length: the iterator-pair append goes the slow general way.
  line.append(digits, static_cast<size_t>(end - digits));
}

void PadTo(std::string& line, size_t width) {
  if (line.size() < width) line.append(width - line.size(), ' ');
}

// A key line: "uaNN-" and the name padded to 15 characters, then "." and the
// code written backwards.
std::string KeyLine(const T_Command& e) {
  std::string line;
  line.reserve(kLineWidth);
  line += "ua";
  if (e.Subscript() >= 0 && e.Subscript() < 10) line += '0';
  AppendNumber(line, e.Subscript());
  line += '-';
  line += e.Text(1);
  PadTo(line, 15);
  line += '.';
  const std::string& code = e.Text(2);
  for (auto c = code.rbegin(); c != code.rend(); ++c) line += *c;
  return line;
}

// The non-zero items, comma-separated.
void AppendList(std::string& line, const T_Command& e) {
  bool first = true;
  for (int i = 1; i <= T_Command::kListSize; ++i) {
    const int32_t v = e.ListItem(i);
    if (v == 0) continue;
    if (!first) line += ',';
    first = false;
    AppendNumber(line, v);
  }
}

void AppendFirstValue(std::string& line, const CommandRow& r, const T_Command& e) {
  switch (r.kind1) {
    case kValInteger:
      // An integer with an empty text after it is written without the integer.
      if (!(r.kind2 == kVal2Text && e.Text(2).empty())) AppendNumber(line, e.Value(1));
      break;
    case kValWordText:
    case kValRestOfLine: line += e.Text(1); break;
    case kValList: AppendList(line, e); break;
    default: break;
  }
}

std::string CommandLine(const CommandRow& r, const T_Command& e) {
  std::string line;
  line.reserve(kLineWidth);
  line += r.code;
  if (r.kind1 == kValNone && r.kind2 == kVal2None) return line;
  if (!r.Single()) AppendNumber(line, e.Subscript());
  line += '-';
  AppendFirstValue(line, r, e);
  if (r.kind2 == kVal2Integer) {
    // A second integer out of its range is left out, dot and all.
    const int32_t v = e.Value(2);
    if (v >= r.min2 && v <= r.max2) {
      line += '.';
      AppendNumber(line, v);
    }
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
  out.reserve(lines.size() * (kLineWidth + 2));
  for (const std::string& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

}  // namespace kestrin
