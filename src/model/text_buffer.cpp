#include "model/text_buffer.h"

namespace kestrin {

void TextBuffer::SetBytes(std::string_view bytes) {
  lines_.clear();
  AddText(bytes);
}

void TextBuffer::AddText(std::string_view bytes) {
  size_t start = 0;
  size_t i = 0;
  while (i < bytes.size()) {
    char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines_.emplace_back(bytes.substr(start, i - start));
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      start = i + 1;
    }
    ++i;
  }
  if (start < bytes.size()) lines_.emplace_back(bytes.substr(start));
}

std::string TextBuffer::Text() const {
  size_t size = 0;
  for (const auto& l : lines_) size += l.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& l : lines_) {
    out += l;
    out += "\r\n";
  }
  return out;
}

}  // namespace kestrin
