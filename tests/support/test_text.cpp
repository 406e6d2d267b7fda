#include "support/test_text.h"

#include <fstream>
#include <iterator>

#include "model/codec.h"

namespace kestrin::test {

std::string W(const std::string& utf8) { return Utf8ToCp1251(utf8); }
std::string U(const std::string& cp1251) { return Cp1251ToUtf8(cp1251); }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Fixture(const std::string& relative) {
  return std::string(KESTRIN_FIXTURES) + "/" + relative;
}

}  // namespace kestrin::test
