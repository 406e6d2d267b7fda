#pragma once
// Lexical analyser of the configuration text: one lexeme and the lexeme
// stream with two reading modes and push-back.
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

// One lexeme. The stream's own lexeme views the stream's text instead of
// copying it; a copy of a lexeme, and the stream's lexeme once the stream
// takes another text, owns its text. So a text is valid as long as its
// lexeme is, whichever text the stream reads.
class TLexema {
 public:
  TLexema() = default;
  TLexema(const TLexema& other) { *this = other; }
  TLexema& operator=(const TLexema& other);

  uint8_t Kind() const { return kind_; }
  std::string_view Text() const { return owned_ ? std::string_view(own_) : view_; }
  std::string& MutableText();
  int32_t Number() const { return number_; }
  void SetKind(uint8_t k) { kind_ = k; }
  void SetText(std::string t);
  void SetNumber(int32_t n) { number_ = n; }

 private:
  friend class TLexPipe;
  // Text that lives in the stream, or a constant.
  void ViewText(std::string_view t) {
    view_ = t;
    owned_ = false;
  }
  void OwnText();

  uint8_t kind_ = kLexEndOfLine;
  bool owned_ = false;
  std::string_view view_;
  std::string own_;
  int32_t number_ = 0;
};

class TLexPipe {
 public:
  void SetText(std::string text);
  // Reads text in place: the caller keeps it alive and unchanged until the
  // next SetText or SetTextView (a large text is then not copied).
  void SetTextView(std::string_view text);
  // The next lexeme; it stays valid until the next read.
  const TLexema& Next(uint8_t mode);
  void PushBack() { pushBack_ = true; }
  // Lists are mostly numbers each directly followed by a comma. When the
  // next bytes are just that, reads both as Next(kModeNumber) and then
  // Next(kModeAny) would (the comma carrying the number) and gives the
  // number; otherwise reads nothing and returns false.
  bool NextNumberThenComma(int32_t& number);

 private:
  bool TextMode() const { return mode_ == kModeText; }
  // Reads the next lexeme from the text into current_.
  void Scan();
  // Reads the word that starts at begin into current_.
  void ReadWord(size_t begin);
  // Reads the digits at next_ into current_ as a number, or as a word when
  // there are too many of them.
  void ReadNumber();
  // Skips a comment up to and with the byte that ends it; false when the
  // text ends inside it.
  bool SkipComment();
  // Takes the byte at next_ when it belongs to the lexeme just read.
  void TakeEndingByte();

  std::string own_;        // the text, unless a view was given
  std::string_view text_;  // what is read
  size_t next_ = 0;  // 0-based index of the next byte
  TLexema current_;
  bool pushBack_ = false;
  uint8_t mode_ = kModeAny;
};

}  // namespace kestrin
