#pragma once
// UTF-8 and the UTF-16 of the Windows API; the one crossing between them.
#ifdef _WIN32
#include <string>
#include <string_view>

namespace kestrin {

std::string Utf8FromWide(std::wstring_view wide);
std::wstring WideFromUtf8(std::string_view utf8);

}  // namespace kestrin
#endif
