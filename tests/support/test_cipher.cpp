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

std::string BuildContainer(const ContainerPlan& plan, std::string_view preparedKey,
                           std::string* finalText) {
  std::string head = (plan.header.empty() ? ContainerDeviceName() : plan.header) + plan.lineBreak +
                     plan.alias + plan.identifier;
  std::string text = plan.text;
  auto bodySize = [&] {
    if (plan.bodySize != 0) return plan.bodySize;
    size_t raw = plan.offset + text.size() + 3;
    return (raw + 7) / 8 * 8;
  };
  if (plan.padTo > head.size() && plan.bodySize == 0) {
    while (head.size() + bodySize() < plan.padTo) text += ' ';
  }
  // The text ends at L-4: blanks fill the text up to the block boundary.
  size_t size = bodySize();
  while (plan.bodySize == 0 && plan.offset + text.size() + 3 < size) text += ' ';

  if (finalText) *finalText = text;
  std::string body(size, '\0');
  for (size_t i = 0; i < plan.offset && i < size; ++i) body[i] = static_cast<char>(0xA5 ^ (i * 37));
  if (plan.offset < size) {
    size_t n = std::min(text.size(), size - plan.offset);
    body.replace(plan.offset, n, text, 0, n);
  }
  uint16_t check = plan.storedCheck >= 0 ? static_cast<uint16_t>(plan.storedCheck)
                                         : Crc16Modbus(body, plan.offset, size - 3);
  body[size - 3] = static_cast<char>(check >> 8);
  body[size - 2] = static_cast<char>(check & 0xFF);
  body[size - 1] = static_cast<char>(plan.offset);

  auto* p = reinterpret_cast<uint8_t*>(body.data());
  ChainBytes(p, size);
  RoundKeys keys = MakeRoundKeys(preparedKey);
  for (size_t i = 0; i < size; i += 8) EncipherBlock(p + i, keys);
  return head + body;
}

}  // namespace kestrin::test
