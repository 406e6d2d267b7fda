#include "model/writer.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

namespace kestrin {

namespace {

// Builds one line into a caller's buffer that is known to be large enough;
// the writer turns it into a string with a single allocation.
class LineBuilder {
 public:
  explicit LineBuilder(char* buffer) : begin_(buffer), end_(buffer) {}
  size_t Size() const { return static_cast<size_t>(end_ - begin_); }
  void Put(char c) { *end_++ = c; }
  void Put(std::string_view s) {
    if (s.empty()) return;
    std::memcpy(end_, s.data(), s.size());
    end_ += s.size();
  }
  void PutReversed(std::string_view s) {
    for (size_t i = s.size(); i > 0; --i) *end_++ = s[i - 1];
  }
  void PutNumber(int32_t v) {
    if (v >= 0 && v < 10) *end_++ = static_cast<char>('0' + v);
    else end_ = std::to_chars(end_, end_ + kMaxNumberChars, v).ptr;
  }
  // The buffer always has room for eight bytes past the width.
  void PadTo(size_t width) {
    char* const target = begin_ + width;
    if (end_ >= target) return;
    while (end_ < target) {
      std::memcpy(end_, "        ", 8);
      end_ += 8;
    }
    end_ = target;
  }

  static constexpr size_t kMaxNumberChars = 11;

 private:
  char* begin_;
  char* end_;
};

// Room a line of this element can need at most, padding included.
size_t LineCapacity(const T_Command& e) {
  constexpr size_t kFixed = 16 + 2 + (T_Command::kListSize + 3) * (LineBuilder::kMaxNumberChars + 1);
  return std::max(kFixed + e.Text(1).size() + e.Text(2).size(), kFixed + kLineWidth);
}

void PutKeyLine(LineBuilder& line, const T_Command& e) {
  line.Put("ua");
  if (e.Subscript() >= 0 && e.Subscript() < 10) line.Put('0');
  line.PutNumber(e.Subscript());
  line.Put('-');
  line.Put(e.Text(1));
  line.PadTo(15);
  line.Put('.');
  line.PutReversed(e.Text(2));
}

// The unpadded line; false (nothing written) for a row without a code or an
// element out of range.
bool PutCommandLine(LineBuilder& line, const T_Command_DEVICE& model, int row, int index) {
  if (row < 0 || row >= kRowCount) return false;
  const CommandRow& r = kCommandTable[row];
  const T_Command* e = model.Element(row, index);
  if (!r.HasCode() || !e) return false;
  line.Put(r.code);
  if (r.kind1 == kValNone && r.kind2 == kVal2None) return true;
  if (!r.Single()) line.PutNumber(e->Subscript());
  line.Put('-');
  switch (r.kind1) {
    case kValInteger:
      if (!(r.kind2 == kVal2Text && e->Text(2).empty())) line.PutNumber(e->Value(1));
      break;
    case kValWordText:
    case kValRestOfLine: line.Put(e->Text(1)); break;
    case kValList: {
      bool first = true;
      for (int i = 1; i <= T_Command::kListSize; ++i) {
        int32_t v = e->ListItem(i);
        if (v == 0) continue;
        if (!first) line.Put(',');
        first = false;
        line.PutNumber(v);
      }
      break;
    }
    default: break;
  }
  if (r.kind2 == kVal2Integer) {
    int32_t v = e->Value(2);
    if (v < r.min2 || v > r.max2) return true;
    line.Put('.');
    line.PutNumber(v);
  } else if (r.kind2 == kVal2Text) {
    line.Put('.');
    line.Put(e->Text(2));
  }
  return true;
}

// Most lines fit the stack buffer; a long text gets a heap one.
class Scratch {
 public:
  char* For(size_t capacity) {
    if (capacity <= sizeof stack_) return stack_;
    if (heap_.size() < capacity) heap_.resize(capacity);
    return heap_.data();
  }

 private:
  char stack_[512];
  std::vector<char> heap_;
};

void AppendLine(std::vector<std::string>& lines, const char* begin, size_t size) {
  lines.emplace_back(begin, size);
}

}  // namespace

void PadLine(std::string& line) {
  if (line.size() < kLineWidth) line.resize(kLineWidth, ' ');
}

std::string FormatCommandLine(const T_Command_DEVICE& model, int row, int index) {
  const T_Command* e = row >= 0 && row < kRowCount ? model.Element(row, index) : nullptr;
  if (!e) return {};
  Scratch scratch;
  char* buffer = scratch.For(LineCapacity(*e));
  LineBuilder line(buffer);
  if (!PutCommandLine(line, model, row, index)) return {};
  return std::string(buffer, line.Size());
}

void WriteConfigText(const T_Command_DEVICE& model, std::vector<std::string>& lines) {
  Scratch scratch;
  for (int row = 0; row < kRowCount; ++row) {
    const int count = model.ElementCount(row);
    if (row != kRowFileKey && row != kRowKeyUser && !kCommandTable[row].HasCode()) continue;
    for (int n = 0; n < count; ++n) {
      // The second file key line comes first.
      const int i = row == kRowFileKey ? count - 1 - n : n;
      const T_Command& e = *model.Element(row, i);
      char* buffer = scratch.For(LineCapacity(e));
      LineBuilder line(buffer);
      if (row == kRowKeyUser) PutKeyLine(line, e);
      else PutCommandLine(line, model, row, i);
      line.PadTo(kLineWidth);
      AppendLine(lines, buffer, line.Size());
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
