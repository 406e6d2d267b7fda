#include "model/lexer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kestrin {
namespace {

struct Lex {
  int kind;
  std::string text;
  int number;
  bool operator==(const Lex&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Lex& l) {
  return os << "{" << l.kind << ",\"" << l.text << "\"," << l.number << "}";
}

// Reads lexemes until EndOfText (included) or a safety limit.
std::vector<Lex> LexAll(const std::string& text, uint8_t mode = kModeAny) {
  TLexPipe pipe;
  pipe.SetText(text);
  TLexema lex;
  std::vector<Lex> out;
  for (int i = 0; i < 1000; ++i) {
    lex = pipe.Next(mode);
    out.push_back({lex.Kind(), std::string(lex.Text()), lex.Number()});
    if (lex.Kind() == kLexEndOfText) break;
  }
  return out;
}

std::vector<int> Kinds(const std::vector<Lex>& v) {
  std::vector<int> k;
  for (const auto& l : v) k.push_back(l.kind);
  return k;
}

TEST(Lexer, NumberReaderConsumesCrSoCrLfGivesOneEndOfLine) {
  auto v = LexAll("lm1-7.90\r\n");
  std::vector<Lex> want = {{kLexWord, "lm1", 0},   {kLexDash, "lm1", 0}, {kLexNumber, "7", 7},
                           {kLexDot, "7", 7},       {kLexNumber, "90", 90},
                           // A line end sets kind and text only: the number stays.
                           {kLexEndOfLine, "#10", 90}, {kLexEndOfText, "#10", 90}};
  EXPECT_EQ(v, want);
}

TEST(Lexer, LoneLineFeedAfterNumberIsSwallowed) {
  auto v = LexAll("st-90\nbv-1");
  EXPECT_EQ(Kinds(v), (std::vector<int>{kLexWord, kLexDash, kLexNumber, kLexWord, kLexDash,
                                        kLexNumber, kLexEndOfText}));
  EXPECT_EQ(v[3].text, "bv");
  EXPECT_EQ(v[5].number, 1);
}

TEST(Lexer, CommentLines) {
  // CR LF after a comment: the CR ends the comment, the LF is a line end.
  auto v = LexAll("; comment\r\nfe");
  EXPECT_EQ(Kinds(v), (std::vector<int>{kLexEndOfLine, kLexWord, kLexEndOfText}));
  EXPECT_EQ(v[1].text, "fe");
  // A lone LF after a comment gives no line end; "$" also ends a comment.
  EXPECT_EQ(Kinds(LexAll(";x\nfe")), (std::vector<int>{kLexWord, kLexEndOfText}));
  EXPECT_EQ(Kinds(LexAll(";x$fe")), (std::vector<int>{kLexWord, kLexEndOfText}));
  // A comment running to the end of the text.
  EXPECT_EQ(Kinds(LexAll("fe;tail")), (std::vector<int>{kLexWord, kLexEndOfText}));
}

TEST(Lexer, TextModeKeepsSpacesAndStopsAtDots) {
  const std::string text = " \xD1\xEA\xEB\xE0\xE4 \xC1.\xC2.";  // " Склад Б.В."
  auto v = LexAll(text, kModeText);
  ASSERT_GE(v.size(), 5u);
  EXPECT_EQ(v[0], (Lex{kLexWord, " \xD1\xEA\xEB\xE0\xE4 \xC1", 0}));
  EXPECT_EQ(v[1].kind, kLexDot);
  EXPECT_EQ(v[2], (Lex{kLexWord, "\xC2", 0}));
  EXPECT_EQ(v[3].kind, kLexDot);
  EXPECT_EQ(v[4].kind, kLexEndOfText);
}

TEST(Lexer, TextModeTakesDigitsCommasAndDashesIntoWords) {
  auto v = LexAll("1,2-3 x;c", kModeText);
  EXPECT_EQ(v[0], (Lex{kLexWord, "1,2-3 x", 0}));
  EXPECT_EQ(v[1].kind, kLexEndOfText);
}

TEST(Lexer, NumbersAndTheFiveDigitLimit) {
  auto v = LexAll("12ab");
  EXPECT_EQ(v[0], (Lex{kLexNumber, "12", 12}));
  EXPECT_EQ(v[1], (Lex{kLexWord, "ab", 0}));
  EXPECT_EQ(LexAll("99999")[0], (Lex{kLexNumber, "99999", 99999}));
  EXPECT_EQ(LexAll("123456")[0], (Lex{kLexWord, "123456", 0}));
  EXPECT_EQ(LexAll("1234567abc")[0], (Lex{kLexWord, "1234567abc", 0}));
  // A sixth digit turns it into a word that then runs in normal mode.
  auto w = LexAll("123456-7");
  EXPECT_EQ(w[0].text, "123456");
  EXPECT_EQ(w[1].kind, kLexDash);
}

TEST(Lexer, WordCharactersAndDollar) {
  auto tab = LexAll("\tst");
  EXPECT_EQ(tab[0], (Lex{kLexWord, "\tst", 0}));
  auto d = LexAll("a$b");
  EXPECT_EQ(d[0].text, "a");
  EXPECT_EQ(d[1].text, "b");
  EXPECT_EQ(Kinds(LexAll("$")), (std::vector<int>{kLexEndOfText}));
  EXPECT_EQ(LexAll("!Ab*?")[0].text, "!Ab*?");
}

TEST(Lexer, PunctuationCarriesThePreviousText) {
  auto v = LexAll("lm1-");
  EXPECT_EQ(v[1], (Lex{kLexDash, "lm1", 0}));
  auto n = LexAll("7.,");
  EXPECT_EQ(n[1], (Lex{kLexDot, "7", 7}));
  EXPECT_EQ(n[2], (Lex{kLexComma, "7", 7}));
  EXPECT_EQ(n[3], (Lex{kLexEndOfText, "7", 7}));
}

TEST(Lexer, CarriedTextOutlivesTheTextItCameFrom) {
  TLexPipe pipe;
  TLexema lex;
  pipe.SetText(std::string(40, 'w') + " 12345");
  lex = pipe.Next(kModeAny);
  lex = pipe.Next(kModeAny);
  EXPECT_EQ(lex.Text(), "12345");
  // Each new text frees the one before; the dots still carry "12345".
  for (int round = 0; round < 3; ++round) {
    pipe.SetText(".");
    lex = pipe.Next(kModeAny);
    EXPECT_EQ(lex.Kind(), kLexDot);
    EXPECT_EQ(lex.Text(), "12345");
    EXPECT_EQ(lex.Number(), 12345);
  }
}

TEST(Lexer, ALexemeKeepsItsTextWhenTheStreamGoes) {
  TLexema copy;
  TLexema moved;
  {
    // Longer than any short-string buffer: the text lives on the heap.
    auto pipe = std::make_unique<TLexPipe>();
    pipe->SetText("abcdefghijklmnopqrstuvwxyz-12345");
    copy = pipe->Next(kModeAny);
    pipe->Next(kModeAny);
    pipe->Next(kModeAny);
    TLexPipe taken = std::move(*pipe);
    pipe.reset();
    taken.PushBack();
    moved = taken.Next(kModeAny);
  }
  EXPECT_EQ(copy.Text(), "abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(moved.Kind(), kLexNumber);
  EXPECT_EQ(moved.Text(), "12345");
  moved.MutableText() += "6";
  EXPECT_EQ(moved.Text(), "123456");
}

TEST(Lexer, ViewAndCopyGiveTheSameStream) {
  // Byte 0 inside: the text is built with its length.
  const char raw[] = "ua01-Name one  .A1b2*  \r\nzn3-1,,2.7 ;note\rxo$-123456-x\n\0tail";
  const std::string text(raw, sizeof raw - 1);
  const uint8_t modes[] = {kModeAny, kModeText, kModeNumber, kModeText, kModeDot, kModeAny};
  TLexPipe viewed;
  TLexPipe copied;
  viewed.SetText(text);
  copied.SetText(text);
  TLexema lex;
  for (int i = 0; i < 200; ++i) {
    const uint8_t mode = modes[i % 6];
    if (i % 7 == 3) {
      viewed.PushBack();
      copied.PushBack();
    }
    const TLexema& v = viewed.Next(mode);
    lex = copied.Next(mode);
    ASSERT_EQ(v.Kind(), lex.Kind()) << i;
    ASSERT_EQ(v.Text(), lex.Text()) << i;
    ASSERT_EQ(v.Number(), lex.Number()) << i;
  }
}

// The one-step "number, comma" read must leave the stream exactly where the
// two ordinary reads would; when it declines, nothing is read.
TEST(Lexer, NumberThenCommaInOneStepOrNotAtAll) {
  struct Case {
    std::string text;
    bool usual;  // the plain "digits," the one step is for
  };
  const std::vector<Case> cases = {{"12,3", true},      {"99999,x", true}, {"0,", true},
                                   {"7,\r\n", true},     {"00012,5 ", true}, {"123456,7", false},
                                   {"1 ,2", false},     {"$1,2", false},    {"1.,", false},
                                   {"1", false},        {"", false},        {",1", false},
                                   {"12a,", false}};
  for (const Case& c : cases) {
    TLexPipe fast;
    fast.SetText(c.text);
    int32_t number = -1;
    const bool took = fast.NextNumberThenComma(number);
    EXPECT_EQ(took, c.usual) << c.text;
    auto slow = std::make_unique<TLexPipe>();
    slow->SetText(c.text);
    if (took) {
      const TLexema first = slow->Next(kModeNumber);
      const std::string firstText(first.Text());
      ASSERT_EQ(first.Kind(), kLexNumber) << c.text;
      EXPECT_EQ(number, first.Number()) << c.text;
      ASSERT_EQ(slow->Next(kModeAny).Kind(), kLexComma) << c.text;
      // The stream's lexeme is the comma, carrying the number.
      fast.PushBack();
      const TLexema& comma = fast.Next(kModeAny);
      EXPECT_EQ(comma.Kind(), kLexComma) << c.text;
      EXPECT_EQ(comma.Text(), firstText) << c.text;
      EXPECT_EQ(comma.Number(), number) << c.text;
    }
    for (int i = 0; i < 8; ++i) {
      const TLexema& a = fast.Next(kModeAny);
      const TLexema& b = slow->Next(kModeAny);
      ASSERT_EQ(a.Kind(), b.Kind()) << c.text << " #" << i;
      ASSERT_EQ(a.Text(), b.Text()) << c.text << " #" << i;
      ASSERT_EQ(a.Number(), b.Number()) << c.text << " #" << i;
    }
  }
}

TEST(Lexer, PushBackDeliversTheSameLexemeWhateverTheMode) {
  TLexPipe pipe;
  pipe.SetText("ab cd");
  TLexema lex;
  lex = pipe.Next(kModeAny);
  EXPECT_EQ(lex.Text(), "ab");
  pipe.PushBack();
  lex = pipe.Next(kModeText);
  EXPECT_EQ(lex.Kind(), kLexWord);
  EXPECT_EQ(lex.Text(), "ab");
  lex = pipe.Next(kModeAny);
  EXPECT_EQ(lex.Text(), "cd");
}

TEST(Lexer, EndOfTextRepeatsAndEmptyTextEndsAtOnce) {
  TLexPipe pipe;
  pipe.SetText("");
  TLexema lex;
  for (int i = 0; i < 3; ++i) {
    lex = pipe.Next(kModeAny);
    EXPECT_EQ(lex.Kind(), kLexEndOfText);
  }
  pipe.SetText("x");
  lex = pipe.Next(kModeAny);
  lex = pipe.Next(kModeAny);
  lex = pipe.Next(kModeAny);
  EXPECT_EQ(lex.Kind(), kLexEndOfText);
}

TEST(Lexer, ZeroByteEndsTheTextAndReadingGoesOnAfterIt) {
  TLexPipe pipe;
  pipe.SetText(std::string("fe \0st", 6));
  TLexema lex;
  lex = pipe.Next(kModeAny);
  EXPECT_EQ(lex.Text(), "fe");
  lex = pipe.Next(kModeAny);
  EXPECT_EQ(lex.Kind(), kLexEndOfText);
  lex = pipe.Next(kModeAny);
  EXPECT_EQ(lex.Text(), "st");
}

TEST(Lexer, CarriageReturnAndLineFeedEachGiveALineEnd) {
  EXPECT_EQ(Kinds(LexAll("\r\n\r")), (std::vector<int>{kLexEndOfLine, kLexEndOfLine, kLexEndOfLine,
                                                       kLexEndOfText}));
}

}  // namespace
}  // namespace kestrin
