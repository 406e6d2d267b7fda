#pragma once
// Lexical analyser of the configuration text: a byte source, one lexeme and
// the lexeme stream with two reading modes and push-back.
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrin {

enum LexKind : uint8_t {
  kLexEndOfLine = 0,
  kLexWord = 1,
  kLexNumber = 2,
  kLexDot = 3,
  kLexComma = 4,
  kLexDash = 5,
  kLexEndOfText = 6,
};

// Reading modes; only kModeText differs, the others document the caller's
// expectation and read like normal mode.
enum LexMode : uint8_t {
  kModeAny = 0,
  kModeText = 1,
  kModeNumber = 2,
  kModeDot = 3,
  kModeDash = 5,
};

class TLitPipe {
 public:
  void SetText(std::string text);
  // The next byte, or 0 at the end of the text (then the position stays).
  unsigned char GetChar() {
    if (position_ == 0 || position_ > text_.size()) return 0;
    return static_cast<unsigned char>(text_[position_++ - 1]);
  }
  void UngetChar() {
    if (position_ != 0) --position_;
  }
  size_t Position() const { return position_; }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  size_t position_ = 0;  // 1-based index of the next byte; 0: no text
};

class TLexema {
 public:
  void Init();
  uint8_t Kind() const { return kind_; }
  const std::string& Text() const { return text_; }
  std::string& MutableText() { return text_; }
  int32_t Number() const { return number_; }
  void SetKind(uint8_t k) { kind_ = k; }
  void SetText(std::string t) { text_ = std::move(t); }
  void SetNumber(int32_t n) { number_ = n; }

 private:
  uint8_t kind_ = kLexEndOfLine;
  std::string text_;
  int32_t number_ = 0;
};

// A lexeme whose text points into the stream's text (or a constant): what
// the reader looks at, without copying every word and number.
class LexemeView {
 public:
  uint8_t Kind() const { return kind_; }
  std::string_view Text() const { return text_; }
  int32_t Number() const { return number_; }

 private:
  friend class TLexPipe;
  uint8_t kind_ = kLexEndOfLine;
  std::string_view text_;
  int32_t number_ = 0;
};

class TLexPipe {
 public:
  TLexPipe() = default;
  // The current lexeme points into the pipe's own text.
  TLexPipe(const TLexPipe&) = delete;
  TLexPipe& operator=(const TLexPipe&) = delete;

  void SetText(std::string text);
  void NextLexeme(uint8_t mode, TLexema& out);
  // Same as NextLexeme without the copy: valid until the next read or
  // SetText.
  const LexemeView& Next(uint8_t mode) {
    mode_ = mode;
    if (pushBack_) {
      pushBack_ = 0;
      return current_;
    }
    return Scan();
  }
  void PushBack() { pushBack_ = 1; }
  // Lists are mostly numbers each directly followed by a comma. When the
  // next bytes are just that, reads both as Next(kModeNumber) and then
  // Next(kModeAny) would (the comma carrying the number) and gives the
  // number; otherwise reads nothing and returns false.
  bool NextNumberThenComma(int32_t& number);

 private:
  bool TextMode() const { return mode_ == kModeText; }
  // Reads the next lexeme from the text into current_.
  const LexemeView& Scan();
  // Reads the word that starts at data_[begin] into current_; returns the
  // index of the next byte to read.
  size_t ReadWord(size_t begin);

  TLitPipe source_;  // owns the text
  const char* data_ = nullptr;
  size_t size_ = 0;
  size_t next_ = 0;  // 0-based index of the next byte
  LexemeView current_;
  // Holds the text current_ carries over from a text that was replaced.
  std::string carried_;
  uint8_t pushBack_ = 0;
  uint8_t mode_ = kModeAny;
};

}  // namespace kestrin
