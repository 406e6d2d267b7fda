#include "model/writer.h"

#include <algorithm>

namespace kestrin {

namespace {

std::string ListText(const T_Command& e) {
  std::string out;
  for (int i = 1; i <= T_Command::kListSize; ++i) {
    int32_t v = e.ListItem(i);
    if (v == 0) continue;
    if (!out.empty()) out += ',';
    out += std::to_string(v);
  }
  return out;
}

std::string KeyLine(const T_Command& e) {
  std::string line;
  line.reserve(kLineWidth);
  line += "ua";
  if (e.Subscript() >= 0 && e.Subscript() < 10) line += '0';
  line += std::to_string(e.Subscript());
  line += '-';
  line += e.Text(1);
  if (line.size() < 15) line.resize(15, ' ');
  line += '.';
  const std::string& code = e.Text(2);
  line.append(code.rbegin(), code.rend());
  return line;
}

}  // namespace

void PadLine(std::string& line) {
  if (line.size() < kLineWidth) line.resize(kLineWidth, ' ');
}

std::string FormatCommandLine(const T_Command_DEVICE& model, int row, int index) {
  if (row < 0 || row >= kRowCount) return {};
  const CommandRow& r = kCommandTable[row];
  const T_Command* e = model.Element(row, index);
  if (!r.HasCode() || !e) return {};
  std::string line;
  line.reserve(kLineWidth);
  line += r.code;
  if (r.kind1 == kValNone && r.kind2 == kVal2None) return line;
  if (!r.Single()) line += std::to_string(e->Subscript());
  line += '-';
  switch (r.kind1) {
    case kValInteger:
      if (!(r.kind2 == kVal2Text && e->Text(2).empty())) line += std::to_string(e->Value(1));
      break;
    case kValWordText:
    case kValRestOfLine: line += e->Text(1); break;
    case kValList: line += ListText(*e); break;
    default: break;
  }
  if (r.kind2 == kVal2Integer) {
    int32_t v = e->Value(2);
    if (v < r.min2 || v > r.max2) return line;
    line += '.' + std::to_string(v);
  } else if (r.kind2 == kVal2Text) {
    line += '.' + e->Text(2);
  }
  return line;
}

void WriteConfigText(const T_Command_DEVICE& model, std::vector<std::string>& lines) {
  for (int row = 0; row < kRowCount; ++row) {
    const int count = model.ElementCount(row);
    if (row == kRowFileKey) {
      for (int i = count - 1; i >= 0; --i) {
        std::string line = FormatCommandLine(model, row, i);
        PadLine(line);
        lines.push_back(std::move(line));
      }
    } else if (row == kRowKeyUser) {
      for (int i = 0; i < count; ++i) {
        std::string line = KeyLine(*model.Element(row, i));
        PadLine(line);
        lines.push_back(std::move(line));
      }
    } else {
      for (int i = 0; i < count; ++i) {
        std::string line = FormatCommandLine(model, row, i);
        if (line.empty()) continue;
        PadLine(line);
        lines.push_back(std::move(line));
      }
    }
  }
}

std::string WriteConfigTextCrLf(const T_Command_DEVICE& model) {
  std::vector<std::string> lines;
  lines.reserve(600);
  WriteConfigText(model, lines);
  std::string out;
  out.reserve(lines.size() * (kLineWidth + 2));
  for (const std::string& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

}  // namespace kestrin
