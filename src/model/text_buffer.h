#pragma once
// The multi-line configuration text between a file and the reader.
#include <string>
#include <string_view>
#include <vector>

namespace kestrin {

class TextBuffer {
 public:
  void Clear() { lines_.clear(); }
  // Replaces the content by the lines of bytes: lines end at CR LF, at a lone
  // CR or a lone LF; a final line without a break is still a line.
  void SetBytes(std::string_view bytes);
  // Adds the lines of bytes after the present ones (same splitting rule).
  void AddText(std::string_view bytes);
  void AddLine(std::string line) { lines_.push_back(std::move(line)); }

  const std::vector<std::string>& Lines() const { return lines_; }
  size_t LineCount() const { return lines_.size(); }
  bool Empty() const { return lines_.empty(); }
  // Every line followed by CR LF: the text handed to the reader.
  std::string Text() const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace kestrin
