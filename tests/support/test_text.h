#pragma once
// Helpers shared by tests: UTF-8 literals to Windows-1251 bytes and back,
// fixture paths, temporary folders.
#include <string>

namespace kestrin::test {

// A UTF-8 literal as Windows-1251 bytes.
std::string W(const std::string& utf8);
// Windows-1251 bytes as UTF-8 (for readable assertion messages).
std::string U(const std::string& cp1251);
// Whole file as bytes; empty when it cannot be read.
std::string ReadAll(const std::string& path);
// Path of a fixture under tests/fixtures, e.g. Fixture("language/limit_examples.in");
// a missing one fails the current test with its name.
std::string Fixture(const std::string& relative);

}  // namespace kestrin::test
