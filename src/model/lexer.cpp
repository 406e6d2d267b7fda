#include "model/lexer.h"

#include <cstring>

#include "model/space_run.h"

namespace kestrin {

namespace {
constexpr unsigned char kCR = 13;
constexpr unsigned char kLF = 10;
constexpr size_t kMaxDigits = 5;
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
constexpr std::string_view kLineEndText = "#10";

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
// What a byte does when it starts a lexeme.
enum ByteClass : uint8_t {
  kClassWord,  // starts a word in both modes
  kClassEnd,   // byte 0
  kClassLineEnd,
  kClassSkip,  // "$"
  kClassComment,
  kClassDot,
  kClassBlank,
  kClassComma,
  kClassDash,
  kClassDigit,
};

// Per byte: its class, and whether a word goes on over it in each mode (space,
// comma and dash end a word in normal mode only).
struct ByteTables {
  uint8_t normalClass[256];
  uint8_t textClass[256];  // blank, comma, dash and digits start words
  bool normalWord[256];
  bool textWord[256];
  bool takenAfter[256];  // ends a number or word and is read with it
  ByteTables() {
    for (int c = 0; c < 256; ++c) {
      bool stop = c == 0 || c == kCR || c == kLF || c == '$' || c == '.' || c == ';';
      textWord[c] = !stop;
      normalWord[c] = !stop && c != ' ' && c != ',' && c != '-';
      normalClass[c] = kClassWord;
    }
    normalClass[0] = kClassEnd;
    normalClass[kCR] = kClassLineEnd;
    normalClass[kLF] = kClassLineEnd;
    normalClass['$'] = kClassSkip;
    normalClass[';'] = kClassComment;
    normalClass['.'] = kClassDot;
    std::memcpy(textClass, normalClass, sizeof textClass);
    normalClass[' '] = kClassBlank;
    normalClass[','] = kClassComma;
    normalClass['-'] = kClassDash;
    for (int c = '0'; c <= '9'; ++c) normalClass[c] = kClassDigit;
    for (int c = 0; c < 256; ++c) {
      takenAfter[c] = c == 0 || c == kCR || c == kLF || c == '$' || c == ' ';
    }
  }
};
const ByteTables kBytes;

// The run of digits at s[i] (of n bytes), six at most: a sixth means the run
// is too long for a number. Gives the index after it and the value.
size_t ReadDigits(const char* s, size_t i, size_t n, int32_t& value) {
  const size_t begin = i;
  value = 0;
  while (i < n && i - begin <= kMaxDigits && IsDigit(static_cast<unsigned char>(s[i]))) {
    value = value * 10 + (s[i] - '0');
    ++i;
  }
  return i;
}
}  // namespace

// The stream works on the text directly with a 0-based index (TLitPipe only
// keeps the text); the end of the text reads like byte 0 that is never
// passed, as TLitPipe::GetChar has it.

size_t TLexPipe::ReadWord(size_t begin) {
  const char* s = data_;
  const size_t n = size_;
  const bool* goesOn = TextMode() ? kBytes.textWord : kBytes.normalWord;
  size_t end = begin + 1;
  while (end < n) {
    const unsigned char c = static_cast<unsigned char>(s[end]);
    if (!goesOn[c]) break;
    // Only text mode gets here with a blank: padding runs are long.
    if (c == ' ') end = SkipSpaces(s, end, n);
    else ++end;
  }
  current_.text_ = std::string_view(s + begin, end - begin);
  current_.kind_ = kLexWord;
  current_.number_ = 0;
  // The byte that ended the word is taken when it is a line end, "$", byte 0
  // or (normal mode) a blank; comma, dash, dot and ";" are left for the next
  // read.
  if (end < n && kBytes.takenAfter[static_cast<unsigned char>(s[end])]) ++end;
  return end;
}

void TLexPipe::SetText(std::string text) {
  // The carried-over text must outlive the text it points into.
  std::string keep(current_.text_);
  carried_.swap(keep);
  current_.text_ = carried_;
  source_.SetText(std::move(text));
  data_ = source_.Text().data();
  size_ = source_.Text().size();
  next_ = 0;
}

void TLexPipe::NextLexeme(uint8_t mode, TLexema& out) {
  const LexemeView& next = Next(mode);
  out.SetKind(next.Kind());
  out.MutableText().assign(next.Text());
  out.SetNumber(next.Number());
}

bool TLexPipe::NextNumberThenComma(int32_t& number) {
  if (pushBack_) return false;
  const char* s = data_ + next_;
  const size_t left = size_ - next_;
  size_t digits = 0;
  int32_t value = 0;
  if (left >= 2 && IsDigit(static_cast<unsigned char>(s[0])) && s[1] == ',') {
    // Partition and loop numbers: one digit.
    digits = 1;
    value = s[0] - '0';
  } else {
    digits = ReadDigits(s, 0, left, value);
    // One to five digits, then the comma right away.
    if (digits == 0 || digits > kMaxDigits || digits >= left || s[digits] != ',') return false;
  }
  mode_ = kModeAny;
  current_.kind_ = kLexComma;
  current_.text_ = std::string_view(s, digits);
  current_.number_ = value;
  next_ += digits + 1;
  number = value;
  return true;
}

const LexemeView& TLexPipe::Scan() {
  // Dot, comma, dash and end of text keep the text and number of the lexeme
  // before them, so current_ is only rewritten by words, numbers and line ends.
  const char* s = data_;
  const size_t n = size_;
  size_t i = next_;
  const uint8_t* classes = TextMode() ? kBytes.textClass : kBytes.normalClass;
  for (;;) {
    if (i >= n) {
      current_.kind_ = kLexEndOfText;
      break;
    }
    const unsigned char c = static_cast<unsigned char>(s[i++]);
    // Tested in the order of how often they come in a written text.
    const uint8_t cls = classes[c];
    if (cls == kClassDigit) {
      const size_t begin = i - 1;
      int32_t value = 0;
      i = ReadDigits(s, begin, n, value);
      // A sixth digit makes it a word that goes on from there.
      if (i - begin > kMaxDigits) {
        i = ReadWord(begin);
        break;
      }
      current_.text_ = std::string_view(s + begin, i - begin);
      current_.kind_ = kLexNumber;
      current_.number_ = value;
      // Line ends, a blank, "$" and byte 0 after a number are taken with it.
      if (i < n && kBytes.takenAfter[static_cast<unsigned char>(s[i])]) ++i;
      break;
    }
    if (cls == kClassComma) {
      current_.kind_ = kLexComma;
      break;
    }
    if (cls == kClassBlank) {
      i = SkipSpaces(s, i, n);
      continue;
    }
    if (cls == kClassLineEnd) {
      current_.kind_ = kLexEndOfLine;
      current_.text_ = kLineEndText;
      break;
    }
    if (cls == kClassWord) {
      i = ReadWord(i - 1);
      break;
    }
    if (cls == kClassDash) {
      current_.kind_ = kLexDash;
      break;
    }
    if (cls == kClassDot) {
      current_.kind_ = kLexDot;
      break;
    }
    if (cls == kClassSkip) continue;
    if (cls == kClassEnd) {
      current_.kind_ = kLexEndOfText;
      break;
    }
    // A comment: the byte that ends it is taken with it, line ends included;
    // byte 0 or the end of the text inside it ends the text.
    bool ended = false;
    for (;;) {
      if (i >= n) {
        ended = true;
        break;
      }
      const unsigned char d = static_cast<unsigned char>(s[i++]);
      if (d == kCR || d == kLF || d == '$') break;
      if (d == 0) {
        ended = true;
        break;
      }
    }
    if (ended) {
      current_.kind_ = kLexEndOfText;
      break;
    }
  }
  next_ = i;
  return current_;
}

}  // namespace kestrin
