#include "support/test_cipher.h"

#include <algorithm>

namespace kestrin::test {

namespace {

uint32_t LoadLe32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void StoreLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

void EncipherBlock(uint8_t* block, const RoundKeys& keys) {
  uint32_t n1 = LoadLe32(block);
  uint32_t n2 = LoadLe32(block + 4);
  for (int pass = 0; pass < 3; ++pass) {
    for (size_t i = 0; i < 8; ++i) CipherRound(n1, n2, keys[i]);
  }
  for (size_t i = 8; i-- > 0;) CipherRound(n1, n2, keys[i]);
  StoreLe32(block, n2);
  StoreLe32(block + 4, n1);
}

void ChainBytes(uint8_t* data, size_t size) {
  uint8_t prev = 0;
  for (size_t i = 0; i < size; ++i) {
    uint8_t v = static_cast<uint8_t>(data[i] ^ prev);
    data[i] = static_cast<uint8_t>((v << 1) | (v >> 7));
    prev = data[i];
  }
}

std::string BuildContainer(const ContainerSpec& spec, std::string_view preparedKey,
                           std::string* finalText) {
  std::string head = (spec.header.empty() ? ContainerDeviceName() : spec.header) + spec.lineBreak +
                     spec.alias + spec.identifier;
  std::string text = spec.text;
  auto bodySize = [&] {
    if (spec.bodySize != 0) return spec.bodySize;
    size_t raw = spec.offset + text.size() + 3;
    return (raw + 7) / 8 * 8;
  };
  if (spec.padTo > head.size() && spec.bodySize == 0) {
    while (head.size() + bodySize() < spec.padTo) text += ' ';
  }
  // The text ends at L-4: blanks fill the text up to the block boundary.
  size_t size = bodySize();
  while (spec.bodySize == 0 && spec.offset + text.size() + 3 < size) text += ' ';

  if (finalText) *finalText = text;
  std::string body(size, '\0');
  for (size_t i = 0; i < spec.offset && i < size; ++i) body[i] = static_cast<char>(0xA5 ^ (i * 37));
  if (spec.offset < size) {
    size_t n = std::min(text.size(), size - spec.offset);
    body.replace(spec.offset, n, text, 0, n);
  }
  uint16_t check = spec.storedCheck >= 0 ? static_cast<uint16_t>(spec.storedCheck)
                                         : Crc16Modbus(body, spec.offset, size - 3);
  body[size - 3] = static_cast<char>(check >> 8);
  body[size - 2] = static_cast<char>(check & 0xFF);
  body[size - 1] = static_cast<char>(spec.offset);

  auto* p = reinterpret_cast<uint8_t*>(body.data());
  ChainBytes(p, size);
  RoundKeys keys = MakeRoundKeys(preparedKey);
  for (size_t i = 0; i < size; i += 8) EncipherBlock(p + i, keys);
  return head + body;
}

}  // namespace kestrin::test
