#pragma once
// The reader's word steps, shared by reader.cpp and its tests.
#include <cstdint>
#include <string_view>

namespace kestrin {

// The row whose code a word starts with (Latin letters in any case, then
// digits or nothing), or 0.
int IdentifyCommand(std::string_view word);
// The subscript a word gives for a row after its code: the row's only one for
// a single row, else the digits after the code within the row's range; -1
// when there is none.
int32_t ReadSubscript(std::string_view word, int row);

}  // namespace kestrin
