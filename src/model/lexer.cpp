#include "model/lexer.h"

#include <string_view>

namespace kestrin {

namespace {

constexpr char kCR = 13;
constexpr char kLF = 10;
constexpr size_t kMaxDigits = 5;
constexpr std::string_view kEndOfLineText = "#10";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Per byte, whether a word goes on over it in normal and in text mode: blank,
// comma and dash end a word in normal mode only.
struct WordBytes {
  bool normal[256] = {};
  bool text[256] = {};
};

constexpr WordBytes MakeWordBytes() {
  WordBytes w;
  for (int c = 0; c < 256; ++c) {
    const bool ends = c == 0 || c == kCR || c == kLF || c == '$' || c == '.' || c == ';';
    w.text[c] = !ends;
    w.normal[c] = !ends && c != ' ' && c != ',' && c != '-';
  }
  return w;
}

constexpr WordBytes kWordBytes = MakeWordBytes();

// Bytes that end a number or word and are read with it.
bool IsTakenWithLexeme(char c) { return c == 0 || c == kCR || c == kLF || c == '$' || c == ' '; }

// The digits from begin, at most one more than a number may have; returns
// the index after them and their value.
size_t ReadDigits(std::string_view s, size_t begin, int32_t& value) {
  size_t end = begin;
  value = 0;
  while (end < s.size() && end - begin <= kMaxDigits && IsDigit(s[end])) {
    value = value * 10 + (s[end] - '0');
    ++end;
  }
  return end;
}

size_t SkipBlanks(std::string_view s, size_t i) {
  while (i < s.size() && s[i] == ' ') ++i;
  return i;
}

}  // namespace

TLexema& TLexema::operator=(const TLexema& other) {
  if (this == &other) return *this;
  kind_ = other.kind_;
  number_ = other.number_;
  own_.assign(other.Text());
  owned_ = true;
  return *this;
}

std::string& TLexema::MutableText() {
  OwnText();
  return own_;
}

void TLexema::SetText(std::string t) {
  own_ = std::move(t);
  owned_ = true;
}

void TLexema::OwnText() {
  if (owned_) return;
  own_.assign(view_);
  owned_ = true;
}

void TLexPipe::SetText(std::string text) {
  // Dots and commas read next still carry the current text.
  current_.OwnText();
  own_ = std::move(text);
  text_ = own_;
  next_ = 0;
}

void TLexPipe::SetTextView(std::string_view text) {
  current_.OwnText();
  own_.clear();
  own_.shrink_to_fit();
  text_ = text;
  next_ = 0;
}

const TLexema& TLexPipe::Next(uint8_t mode) {
  mode_ = mode;
  if (pushBack_) {
    pushBack_ = false;
  } else {
    Scan();
  }
  return current_;
}

void TLexPipe::TakeEndingByte() {
  const std::string_view s = text_;
  if (next_ < s.size() && IsTakenWithLexeme(s[next_])) ++next_;
}

void TLexPipe::ReadWord(size_t begin) {
  const std::string_view s = text_;
  const bool* goesOn = TextMode() ? kWordBytes.text : kWordBytes.normal;
  size_t end = begin + 1;
  while (end < s.size() && goesOn[static_cast<unsigned char>(s[end])]) ++end;
  current_.SetKind(kLexWord);
  current_.ViewText(s.substr(begin, end - begin));
  current_.SetNumber(0);
  next_ = end;
  TakeEndingByte();
}

void TLexPipe::ReadNumber() {
  const std::string_view s = text_;
  const size_t begin = next_;
  int32_t value = 0;
  const size_t end = ReadDigits(s, begin, value);
  // A sixth digit makes it a word that goes on from there.
  if (end - begin > kMaxDigits) {
    ReadWord(begin);
    return;
  }
  current_.SetKind(kLexNumber);
  current_.ViewText(s.substr(begin, end - begin));
  current_.SetNumber(value);
  next_ = end;
  TakeEndingByte();
}

bool TLexPipe::SkipComment() {
  const std::string_view s = text_;
  while (next_ < s.size()) {
    const char c = s[next_++];
    if (c == kCR || c == kLF || c == '$') return true;
    if (c == 0) return false;
  }
  return false;
}

void TLexPipe::Scan() {
  // Dot, comma, dash and end of text keep the text and number of the lexeme
  // before them: the reader looks back at them through these.
  const std::string_view s = text_;
  for (;;) {
    if (next_ >= s.size()) {
      current_.SetKind(kLexEndOfText);
      return;
    }
    const char c = s[next_];
    // Bytes of the same meaning in both modes.
    switch (c) {
      case 0:
        ++next_;
        current_.SetKind(kLexEndOfText);
        return;
      case kCR:
      case kLF:
        ++next_;
        current_.SetKind(kLexEndOfLine);
        current_.ViewText(kEndOfLineText);
        return;
      case '$': ++next_; continue;
      case '.':
        ++next_;
        current_.SetKind(kLexDot);
        return;
      case ';':
        ++next_;
        if (SkipComment()) continue;
        current_.SetKind(kLexEndOfText);
        return;
      default: break;
    }
    // In text mode everything else starts a word.
    if (TextMode()) {
      ReadWord(next_);
      return;
    }
    if (c == ' ') {
      next_ = SkipBlanks(s, next_);
      continue;
    }
    if (c == ',' || c == '-') {
      ++next_;
      current_.SetKind(c == ',' ? kLexComma : kLexDash);
    } else if (IsDigit(c)) {
      ReadNumber();
    } else {
      ReadWord(next_);
    }
    return;
  }
}

bool TLexPipe::NextNumberThenComma(int32_t& number) {
  if (pushBack_) return false;
  const std::string_view s = text_;
  int32_t value = 0;
  const size_t end = ReadDigits(s, next_, value);
  // One to five digits, then the comma right away.
  const size_t digits = end - next_;
  if (digits == 0 || digits > kMaxDigits || end >= s.size() || s[end] != ',') return false;
  mode_ = kModeAny;
  current_.SetKind(kLexComma);
  current_.ViewText(s.substr(next_, digits));
  current_.SetNumber(value);
  next_ = end + 1;
  number = value;
  return true;
}

}  // namespace kestrin
