// The find text of the parameter list, matched as the keys find matches names.
#include "model/codec.h"
#include "model/config_diff.h"
#include "model/key_search.h"

namespace kestrin {

namespace {

std::string LowerText(std::string text) {
  for (char& c : text) c = static_cast<char>(LowerCp1251(static_cast<unsigned char>(c)));
  return text;
}

bool Contains(const std::string& utf8Haystack, const std::string& lowerNeedle) {
  return LowerText(Utf8ToCp1251(utf8Haystack)).find(lowerNeedle) != std::string::npos;
}

}  // namespace

ParameterFilter::ParameterFilter(std::string_view utf8Text) {
  const std::string text = LowerText(Utf8ToCp1251(utf8Text, &representable_));
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = text.find_first_of(" \t", at);
    const size_t stop = end == std::string::npos ? text.size() : end;
    if (stop > at) words_.push_back(text.substr(at, stop - at));
    at = stop + 1;
  }
}

bool ParameterFilter::Matches(const ConfigParameter& p) const {
  if (!representable_) return false;
  for (const std::string& word : words_) {
    if (!Contains(p.tabName, word) && !Contains(p.parameter, word) && !Contains(p.value, word)) return false;
  }
  return true;
}

}  // namespace kestrin
