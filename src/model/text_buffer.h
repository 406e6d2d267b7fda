#pragma once
// The multi-line configuration text between a file and the reader.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrin {

// The lines are kept as one text, each followed by CR LF (the form the reader
// takes), so that a file of nothing but line ends costs two bytes a line
// instead of an empty string each.
class TextBuffer {
 public:
  void Clear() {
    text_.clear();
    lines_ = 0;
  }
  // Replaces the content by the lines of bytes: lines end at CR LF, at a lone
  // CR or a lone LF; a final line without a break is still a line.
  void SetBytes(std::string_view bytes);
  // Adds the lines of bytes after the present ones (same splitting rule).
  void AddText(std::string_view bytes);
  void AddLine(std::string_view line);

  // A copy of the lines, each without its break; at most maxLines of them
  // from the first, and only the first maxBytes of the text (counting two
  // bytes a break; the line they end in is cut there).
  std::vector<std::string> Lines(size_t maxLines = SIZE_MAX, size_t maxBytes = SIZE_MAX) const;
  size_t LineCount() const { return lines_; }
  bool Empty() const { return lines_ == 0; }
  // Every line followed by CR LF: the text handed to the reader.
  const std::string& Text() const { return text_; }
  // The same text moved out; the buffer is left empty.
  std::string TakeText();

 private:
  std::string text_;
  size_t lines_ = 0;
};

}  // namespace kestrin
