#include "model/reader.h"
#include "model/reader_internal.h"

#include <algorithm>
#include <array>

#include "model/codec.h"

namespace kestrin {

namespace {

bool IsBlankOrControl(unsigned char c) { return c <= ' '; }

std::string_view Trim(std::string_view s) {
  size_t b = 0;
  size_t e = s.size();
  while (b < e && IsBlankOrControl(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && IsBlankOrControl(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

class Reader {
 public:
  Reader(T_Command& scratch, TLexPipe& pipe, T_Command_DEVICE& model)
      : scratch_(scratch), pipe_(pipe), model_(model) {}

  void Run();

 private:
  // The reader only looks at the lexeme it has just read, so it uses the
  // stream's own one rather than a copy.
  void Read(uint8_t mode) { lex_ = &pipe_.Next(mode); }
  void PushBack() { pipe_.PushBack(); }

  bool ParseInteger();
  bool ParseWordText();
  bool ParseRestOfLine();
  bool ParseList(const CommandRow& row);
  bool ParseSecondInteger();
  bool ParseSecondText();
  void StoreCommand();

  T_Command& scratch_;
  TLexPipe& pipe_;
  T_Command_DEVICE& model_;
  const TLexema* lex_ = nullptr;
};

void Reader::Run() {
  std::string header;
  bool headerDone = false;
  uint8_t previous = kLexEndOfText;
  model_.SetVersion("");
  for (;;) {
    Read(kModeAny);
    if (!headerDone) {
      switch (lex_->Kind()) {
        case kLexEndOfLine:
          if (!header.empty()) headerDone = true;
          break;
        case kLexDot: header += '.'; break;
        case kLexComma: header += ','; break;
        case kLexDash: header += '-'; break;
        case kLexEndOfText: headerDone = true; break;
        case kLexWord:
        case kLexNumber:
          if (previous == kLexWord || previous == kLexNumber) header += ' ';
          if (lex_->Kind() == kLexWord) {
            if (IdentifyCommand(lex_->Text()) != 0) headerDone = true;
            else header += LowerLatin(lex_->Text());
          } else {
            header += std::to_string(lex_->Number());
          }
          break;
        default: break;
      }
      previous = lex_->Kind();
    }
    if (lex_->Kind() == kLexEndOfLine) continue;
    if (lex_->Kind() == kLexEndOfText) break;
    int row = lex_->Kind() == kLexNumber ? 0 : IdentifyCommand(lex_->Text());
    if (row == 0) continue;
    headerDone = true;
    int32_t subscript = ReadSubscript(lex_->Text(), row);
    if (subscript < 0) continue;

    const CommandRow& r = kCommandTable[row];
    scratch_.SetSubscript(subscript);
    scratch_.SetRow(row);
    // A failed parse must not leak its values into the next command.
    scratch_.Reset();

    bool ok = false;
    switch (r.kind1) {
      case kValNone:
      case kValWordText: ok = ParseWordText(); break;
      case kValInteger: ok = ParseInteger(); break;
      case kValRestOfLine: ok = ParseRestOfLine(); break;
      case kValList: ok = ParseList(r); break;
      default: break;
    }
    if (ok) {
      if (r.kind2 == kVal2Integer) ok = ParseSecondInteger();
      else if (r.kind2 == kVal2Text) ok = ParseSecondText();
    }
    if (ok) StoreCommand();
  }
  if (header.empty()) header = "??????";
  if (model_.GetVersion().empty()) model_.SetVersion(header);
}

bool Reader::ParseInteger() {
  Read(kModeDash);
  if (lex_->Kind() != kLexDash) {
    PushBack();
    return false;
  }
  Read(kModeNumber);
  switch (lex_->Kind()) {
    case kLexNumber: scratch_.SetValue(1, lex_->Number()); return true;
    case kLexEndOfLine: scratch_.SetValue(1, 0); return true;
    case kLexDot:
    case kLexComma:
      PushBack();
      scratch_.SetValue(1, 0);
      return true;
    default: PushBack(); return false;
  }
}

bool Reader::ParseWordText() {
  Read(kModeDash);
  if (lex_->Kind() != kLexDash) {
    PushBack();
    return false;
  }
  Read(kModeText);
  switch (lex_->Kind()) {
    case kLexWord: scratch_.AssignText(1, Trim(lex_->Text())); return true;
    case kLexEndOfLine: scratch_.SetText(1, ""); return true;
    case kLexDot:
      PushBack();
      scratch_.SetText(1, "");
      return true;
    case kLexEndOfText: PushBack(); return false;
    default: PushBack(); return false;
  }
}

bool Reader::ParseRestOfLine() {
  Read(kModeAny);
  std::string collected;
  if (lex_->Kind() != kLexDash) collected = lex_->Text();
  bool afterDot = false;
  for (;;) {
    Read(kModeText);
    switch (lex_->Kind()) {
      case kLexWord:
        // A word right after a dot of this line continues the value as
        // written ("v.3.0"); any other word had its blank eaten by the lexer.
        if (!afterDot) collected += ' ';
        collected += lex_->Text();
        afterDot = false;
        break;
      case kLexDot:
        collected += '.';
        afterDot = true;
        break;
      case kLexEndOfLine: scratch_.AssignText(1, Trim(collected)); return true;
      case kLexEndOfText: PushBack(); return true;
      default: afterDot = false; break;
    }
  }
}

bool Reader::ParseList(const CommandRow& row) {
  int position = 1;
  scratch_.SetCount(0);
  Read(kModeDash);
  if (lex_->Kind() != kLexDash) {
    PushBack();
    return false;
  }
  while (position != 0 && position <= T_Command::kListSize) {
    // The usual "n," in one step; anything else goes the long way below.
    int32_t number = 0;
    if (pipe_.NextNumberThenComma(number)) {
      scratch_.SetListItem(position, number);
      scratch_.SetCount(position);
      ++position;
      continue;
    }
    Read(kModeNumber);
    switch (lex_->Kind()) {
      case kLexNumber:
        scratch_.SetListItem(position, lex_->Number());
        scratch_.SetCount(position);
        Read(kModeAny);
        switch (lex_->Kind()) {
          case kLexComma: ++position; break;
          case kLexDot: PushBack(); return true;
          case kLexEndOfLine: PushBack(); return row.kind2 == kVal2None;
          default: PushBack(); return false;
        }
        break;
      case kLexComma:
        scratch_.SetCount(position);
        ++position;
        break;
      case kLexDot:
        PushBack();
        scratch_.SetCount(position);
        return true;
      case kLexEndOfLine: scratch_.SetCount(position); return true;
      default: PushBack(); return false;
    }
  }
  return true;
}

bool Reader::ParseSecondInteger() {
  Read(kModeDot);
  if (lex_->Kind() == kLexEndOfLine) {
    scratch_.SetValue(2, 0);
    return true;
  }
  if (lex_->Kind() != kLexDot) {
    PushBack();
    return false;
  }
  Read(kModeNumber);
  if (lex_->Kind() == kLexNumber) {
    scratch_.SetValue(2, lex_->Number());
    return true;
  }
  if (lex_->Kind() == kLexEndOfLine) {
    scratch_.SetValue(2, 0);
    return true;
  }
  PushBack();
  return false;
}

bool Reader::ParseSecondText() {
  Read(kModeDot);
  if (lex_->Kind() == kLexEndOfLine) {
    scratch_.SetText(2, "");
    return true;
  }
  if (lex_->Kind() != kLexDot) {
    PushBack();
    return false;
  }
  Read(kModeText);
  if (lex_->Kind() == kLexWord) {
    scratch_.AssignText(2, Trim(lex_->Text()));
    return true;
  }
  if (lex_->Kind() == kLexEndOfLine) {
    scratch_.SetText(2, "");
    return true;
  }
  PushBack();
  return false;
}

void Reader::StoreCommand() {
  const int row = scratch_.Row();
  const CommandRow& r = kCommandTable[row];
  if (r.kind1 == kValInteger && r.min1 >= 0) {
    int32_t v = scratch_.Value(1);
    if (v < r.min1 || v > r.max1) scratch_.SetValue(1, r.def1);
  }
  if (r.kind2 == kVal2Integer && r.min2 >= 0) {
    int32_t v = scratch_.Value(2);
    if (v < r.min2 || v > r.max2) scratch_.SetValue(2, r.def2);
  }
  if (row == kRowKeyUser && !scratch_.Text(2).empty()) {
    std::string& code = scratch_.MutableText(2);
    // A plain loop: codes are a dozen bytes, too short for memchr to pay.
    if (std::find(code.begin(), code.end(), '*') != code.end()) {
      code.assign(kKeyCodeLength, '*');
    } else {
      if (code.size() < kKeyCodeLength) code.resize(kKeyCodeLength, '0');
      for (char& c : code) {
        // Without a branch: codes mix letters and digits.
        const bool lower = static_cast<unsigned char>(c - 'a') < 26;
        c = static_cast<char>(c - (lower ? 'a' - 'A' : 0));
      }
      std::reverse(code.begin(), code.end());
    }
  }
  if (T_Command* target = model_.Element(row, scratch_.Subscript() - r.firstSubscript)) {
    // The scratch element is reset right after, so its texts can be moved.
    target->TakeFrom(scratch_);
  }
  scratch_.Reset();
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The command codes in lower case, grouped by their first byte (in both
// cases), in row order.
struct CodeIndex {
  struct Code {
    int8_t row = -1;
    uint8_t length = 0;
    const char* text = nullptr;  // lower case, length bytes
  };
  std::array<std::string, kRowCount> lower;
  std::array<uint8_t, kRowCount> length{};
  std::array<std::array<Code, kRowCount + 1>, 256> byFirst{};

  CodeIndex() {
    std::array<int, 256> fill{};
    for (int row = 0; row < kRowCount; ++row) {
      lower[row] = LowerLatin(kCommandTable[row].code);
      length[row] = static_cast<uint8_t>(lower[row].size());
    }
    for (int row = 0; row < kRowCount; ++row) {
      if (lower[row].empty()) continue;
      const Code code{static_cast<int8_t>(row), length[row], lower[row].data()};
      const unsigned char first = static_cast<unsigned char>(lower[row][0]);
      byFirst[first][fill[first]++] = code;
      if (first >= 'a' && first <= 'z') {
        const unsigned char upper = static_cast<unsigned char>(first - 'a' + 'A');
        byFirst[upper][fill[upper]++] = code;
      }
    }
  }
};

const CodeIndex& Codes() {
  static const CodeIndex index;
  return index;
}

}  // namespace

int IdentifyCommand(std::string_view text) {
  if (text.empty()) return 0;
  for (const CodeIndex::Code& code : Codes().byFirst[static_cast<unsigned char>(text[0])]) {
    if (code.row < 0) break;
    if (text.size() < code.length) continue;
    size_t i = 1;
    while (i < code.length && LowerAscii(text[i]) == code.text[i]) ++i;
    if (i < code.length) continue;
    if (text.size() == code.length) return code.row;
    const unsigned char next = static_cast<unsigned char>(text[code.length]);
    if (next >= '0' && next <= '9') return code.row;
  }
  return 0;
}

int32_t ReadSubscript(std::string_view text, int row) {
  const CommandRow& r = kCommandTable[row];
  if (r.Single()) return r.firstSubscript;
  const size_t codeLen = Codes().length[row];
  if (text.size() <= codeLen) return -1;
  int64_t value = 0;
  for (size_t i = codeLen; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
    // Far beyond any row's range: stop before the number could overflow.
    if (value > 1000000) return -1;
  }
  if (value < r.firstSubscript || value > r.lastSubscript) return -1;
  return static_cast<int32_t>(value);
}

void LoadConfigText(std::string text, T_Command_DEVICE& model) {
  T_Command scratch;
  TLexPipe pipe;
  pipe.SetText(std::move(text));
  model.SetDefaults();
  ReadConfigText(scratch, pipe, model);
}

void ReadConfigText(T_Command& scratch, TLexPipe& pipe, T_Command_DEVICE& model) {
  Reader(scratch, pipe, model).Run();
}

}  // namespace kestrin
