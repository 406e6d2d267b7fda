#include "model/writer.h"
#include "model/writer_internal.h"

#include <algorithm>
#include <charconv>

namespace kestrin {

namespace {

void AppendNumber(std::string& line, int32_t v) {
  // Most numbers are partitions and loops, one digit each.
  if (v >= 0 && v <= 9) {
    line += static_cast<char>('0' + v);
    return;
  }
  char digits[12];  // "-2147483648" and room to spare
  const char* end = std::to_chars(digits, digits + sizeof digits, v).ptr;
  // Pointer and length: the iterator-pair append goes the slow general way.
  line.append(digits, static_cast<size_t>(end - digits));
}

// Pads with blanks up to the given size of the whole string.
void PadTo(std::string& line, size_t size) {
  if (line.size() < size) line.append(size - line.size(), ' ');
}

// A key line: "uaNN-" and the name padded to 15 characters, then "." and the
// code written backwards.
void AppendKeyLine(std::string& out, const T_Command& e) {
  const size_t start = out.size();
  out += "ua";
  if (e.Subscript() >= 0 && e.Subscript() < 10) out += '0';
  AppendNumber(out, e.Subscript());
  out += '-';
  out += e.Text(1);
  PadTo(out, start + 15);
  out += '.';
  const std::string& code = e.Text(2);
  out.append(code.size(), ' ');
  std::reverse_copy(code.begin(), code.end(), out.end() - static_cast<std::ptrdiff_t>(code.size()));
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

void AppendCommandLine(std::string& line, const CommandRow& r, const T_Command& e) {
  line += r.code;
  if (r.kind1 == kValNone && r.kind2 == kVal2None) return;
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
}

bool IsWritten(int row) {
  return row == kRowFileKey || row == kRowKeyUser || kCommandTable[row].HasCode();
}

// Calls each(row, element) for every line of the text, in order.
template <typename Each>
void ForEachLine(const T_Command_DEVICE& model, Each each) {
  for (int row = 0; row < kRowCount; ++row) {
    if (!IsWritten(row)) continue;
    const int count = model.ElementCount(row);
    for (int n = 0; n < count; ++n) {
      // The second file key line comes first.
      const int i = row == kRowFileKey ? count - 1 - n : n;
      each(row, *model.Element(row, i));
    }
  }
}

// One padded line at the end of out.
void AppendLine(std::string& out, int row, const T_Command& e) {
  const size_t start = out.size();
  if (row == kRowKeyUser) {
    AppendKeyLine(out, e);
  } else if (kCommandTable[row].HasCode()) {
    AppendCommandLine(out, kCommandTable[row], e);
  }
  PadTo(out, start + kLineWidth);
}

}  // namespace

void PadLine(std::string& line) { PadTo(line, kLineWidth); }

std::string FormatCommandLine(const T_Command_DEVICE& model, int row, int index) {
  if (row < 0 || row >= kRowCount || !kCommandTable[row].HasCode()) return {};
  const T_Command* e = model.Element(row, index);
  std::string line;
  if (e) AppendCommandLine(line, kCommandTable[row], *e);
  return line;
}

void WriteConfigText(const T_Command_DEVICE& model, std::vector<std::string>& lines) {
  ForEachLine(model, [&lines](int row, const T_Command& e) {
    std::string line;
    AppendLine(line, row, e);
    lines.push_back(std::move(line));
  });
}

// Straight into one string: a line each would cost an allocation each.
std::string WriteConfigTextCrLf(const T_Command_DEVICE& model) {
  // Reserved once: a text of megabytes (a damaged file's) would otherwise
  // leave up to twice its size behind in growth.
  size_t texts = 0;
  ForEachLine(model, [&texts](int, const T_Command& e) { texts += e.Text(1).size() + e.Text(2).size(); });
  std::string out;
  out.reserve(600 * (kLineWidth + 2) + texts);
  ForEachLine(model, [&out](int row, const T_Command& e) {
    AppendLine(out, row, e);
    out += "\r\n";
  });
  return out;
}

}  // namespace kestrin
