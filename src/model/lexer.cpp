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

unsigned char TLitPipe::GetChar() {
  if (position_ == 0 || position_ > text_.size()) return 0;
  return static_cast<unsigned char>(text_[position_++ - 1]);
}

void TLitPipe::UngetChar() {
  if (position_ != 0) --position_;
}

void TLexema::Init() {
  kind_ = kLexEndOfLine;
  text_.clear();
  number_ = 0;
}

void TLexPipe::ReadWord() {
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
  current_.Init();
  current_.SetKind(kLexWord);
  current_.SetText(accumulator_);
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
  current_.Init();
  current_.SetKind(kLexNumber);
  current_.SetText(accumulator_);
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
        current_.SetText("#10");
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
        if (c == ' ') continue;
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
  out.SetText(current_.Text());
  out.SetNumber(current_.Number());
  pushBack_ = 0;
}

}  // namespace kestrin
