#include "support/test_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/codec.h"

namespace kestrin::test {

std::string W(const std::string& utf8) { return Utf8ToCp1251(utf8); }
std::string U(const std::string& cp1251) { return Cp1251ToUtf8(cp1251); }

std::string ReadAll(const std::string& path) {
  std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Fixture(const std::string& relative) {
  std::string path = std::string(KESTRIN_FIXTURES) + "/" + relative;
  // Reading a missing fixture gives empty text, which could compare equal to
  // another empty text: fail here, by name, instead.
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::path(std::u8string(path.begin(), path.end())), ec))
    ADD_FAILURE() << "test fixture missing: " << path;
  return path;
}

}  // namespace kestrin::test
