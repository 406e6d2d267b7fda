#include "model/text_buffer.h"

namespace kestrin {

void TextBuffer::SetBytes(std::string_view bytes) {
  Clear();
  AddText(bytes);
}

void TextBuffer::AddText(std::string_view bytes) {
  if (bytes.empty()) return;
  // Sized once: a line end grows by at most one byte, a last line without
  // one by two; written through a pointer, a byte at a time.
  size_t breaks = 0;
  for (char c : bytes) breaks += c == '\r' || c == '\n';
  const size_t old = text_.size();
  text_.resize(old + bytes.size() + breaks + 2);
  char* out = text_.data() + old;
  const size_t n = bytes.size();
  for (size_t i = 0; i < n; ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      *out++ = c;
      continue;
    }
    *out++ = '\r';
    *out++ = '\n';
    ++lines_;
    if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
  }
  const char last = bytes.back();
  if (last != '\r' && last != '\n') {
    *out++ = '\r';
    *out++ = '\n';
    ++lines_;
  }
  text_.resize(static_cast<size_t>(out - text_.data()));
}

void TextBuffer::AddLine(std::string_view line) {
  text_.append(line);
  text_ += "\r\n";
  ++lines_;
}

std::vector<std::string> TextBuffer::Lines(size_t maxLines, size_t maxBytes) const {
  std::vector<std::string> out;
  out.reserve(lines_ < maxLines ? lines_ : maxLines);
  size_t start = 0;
  while (start < text_.size() && out.size() < maxLines && start < maxBytes) {
    const size_t end = text_.find("\r\n", start);
    // The last line taken is cut where the bytes run out.
    const size_t take = end - start < maxBytes - start ? end - start : maxBytes - start;
    out.emplace_back(text_, start, take);
    start = end + 2;
  }
  return out;
}

std::string TextBuffer::TakeText() {
  std::string out = std::move(text_);
  Clear();
  return out;
}

}  // namespace kestrin
