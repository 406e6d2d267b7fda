#include "model/lexer.h"

namespace kestrin {

namespace {
constexpr unsigned char kCR = 13;
constexpr unsigned char kLF = 10;
constexpr size_t kMaxDigits = 5;
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
}  // namespace

void TLitPipe::SetText(std::string text) {
  text_ = std::move(text);
  position_ = text_.empty() ? 0 : 1;
}

void TLexema::Init() {
  kind_ = kLexEndOfLine;
  text_.clear();
  number_ = 0;
}

namespace {
// Bytes that a word takes without looking further: everything but the stop
// bytes of both modes (space, comma and dash depend on the mode).
struct WordBytes {
  bool normal[256];
  bool text[256];
  WordBytes() {
    for (int c = 0; c < 256; ++c) {
      bool stop = c == 0 || c == kCR || c == kLF || c == '$' || c == '.' || c == ';';
      text[c] = !stop;
      normal[c] = !stop && c != ' ' && c != ',' && c != '-';
    }
  }
};
const WordBytes kWordBytes;
}  // namespace

void TLexPipe::ReadWord() {
  // Take the run of plain word bytes at once; the loop below then sees the
  // byte that ends it, exactly as a byte-by-byte read would.
  if (size_t pos = source_.Position(); pos != 0) {
    const std::string& t = source_.Text();
    const bool* plain = TextMode() ? kWordBytes.text : kWordBytes.normal;
    size_t i = pos - 1;
    while (i < t.size() && plain[static_cast<unsigned char>(t[i])]) ++i;
    accumulator_.append(t, pos - 1, i - (pos - 1));
    source_.SetPosition(i + 1);
  }
  for (;;) {
    unsigned char c = source_.GetChar();
    if (c == 0) break;
    if (c == kCR || c == kLF || c == '$') break;
    if (c == ' ') {
      if (TextMode()) {
        accumulator_ += ' ';
        continue;
      }
      break;
    }
    if (c == ',' || c == '-') {
      if (TextMode()) {
        accumulator_ += static_cast<char>(c);
        continue;
      }
      source_.UngetChar();
      break;
    }
    if (c == '.' || c == ';') {
      source_.UngetChar();
      break;
    }
    accumulator_ += static_cast<char>(c);
  }
  current_.SetKind(kLexWord);
  current_.SetNumber(0);
  current_.MutableText().assign(accumulator_);
}

void TLexPipe::ReadNumber() {
  for (;;) {
    unsigned char c = source_.GetChar();
    if (IsDigit(c)) {
      accumulator_ += static_cast<char>(c);
      if (accumulator_.size() > kMaxDigits) {
        ReadWord();
        return;
      }
      continue;
    }
    if (c == 0) break;
    if (c == kCR || c == kLF || c == ' ' || c == '$') break;
    source_.UngetChar();
    break;
  }
  int32_t value = 0;
  for (char d : accumulator_) value = value * 10 + (d - '0');
  current_.SetKind(kLexNumber);
  current_.MutableText().assign(accumulator_);
  current_.SetNumber(value);
}

void TLexPipe::NextLexeme(uint8_t mode, TLexema& out) {
  mode_ = mode;
  accumulator_.clear();
  out.Init();
  if (!pushBack_) {
    bool comment = false;
    for (;;) {
      unsigned char c = source_.GetChar();
      if (comment) {
        if (c == kCR || c == kLF || c == '$') {
          comment = false;
          continue;
        }
        if (c == 0) {
          current_.SetKind(kLexEndOfText);
          break;
        }
        continue;
      }
      if (c == 0) {
        current_.SetKind(kLexEndOfText);
        break;
      }
      if (c == kCR || c == kLF) {
        current_.SetKind(kLexEndOfLine);
        current_.MutableText().assign("#10", 3);
        break;
      }
      if (c == '$') continue;
      if (c == ';') {
        comment = true;
        continue;
      }
      if (c == '.') {
        current_.SetKind(kLexDot);
        break;
      }
      if (!TextMode()) {
        if (c == ' ') {
          // Padding runs are long: skip them in one go.
          const std::string& t = source_.Text();
          size_t pos = source_.Position();
          while (pos <= t.size() && t[pos - 1] == ' ') ++pos;
          source_.SetPosition(pos);
          continue;
        }
        if (c == ',') {
          current_.SetKind(kLexComma);
          break;
        }
        if (c == '-') {
          current_.SetKind(kLexDash);
          break;
        }
        if (IsDigit(c)) {
          accumulator_ = static_cast<char>(c);
          ReadNumber();
          break;
        }
      }
      accumulator_ = static_cast<char>(c);
      ReadWord();
      break;
    }
  }
  out.SetKind(current_.Kind());
  out.MutableText().assign(current_.Text());
  out.SetNumber(current_.Number());
  pushBack_ = 0;
}

}  // namespace kestrin
