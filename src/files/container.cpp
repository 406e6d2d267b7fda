#include "files/container.h"

#include "files/file_bytes.h"
#include "model/codec.h"

namespace kestrin {

namespace {

// Substitution table: row i replaces bits 4i..4i+3 of the round value.
constexpr uint8_t kSBox[8][16] = {
    {12, 4, 6, 2, 10, 5, 11, 9, 14, 8, 13, 7, 0, 3, 15, 1},
    {6, 8, 2, 3, 9, 10, 5, 12, 1, 14, 4, 7, 11, 13, 0, 15},
    {11, 3, 5, 8, 2, 15, 10, 13, 14, 1, 7, 4, 12, 9, 6, 0},
    {12, 8, 2, 1, 13, 4, 15, 6, 7, 0, 10, 5, 3, 14, 9, 11},
    {7, 15, 5, 10, 8, 1, 6, 13, 0, 9, 3, 14, 11, 4, 2, 12},
    {5, 13, 15, 6, 9, 2, 12, 10, 11, 7, 8, 1, 4, 3, 14, 0},
    {8, 14, 2, 5, 6, 9, 1, 12, 15, 4, 11, 0, 13, 10, 3, 7},
    {1, 7, 14, 13, 0, 5, 8, 3, 4, 15, 10, 6, 9, 12, 11, 2},
};

constexpr uint32_t Rotl32(uint32_t v, unsigned n) { return (v << n) | (v >> (32 - n)); }

// Per byte of the round value: both nibbles substituted and already rotated,
// so a round costs four lookups instead of eight (rotation distributes over
// the disjoint bit groups).
struct ByteTables {
  uint32_t t[4][256];
};

constexpr ByteTables MakeByteTables() {
  ByteTables tables{};
  for (unsigned j = 0; j < 4; ++j) {
    for (unsigned b = 0; b < 256; ++b) {
      uint32_t lo = kSBox[2 * j][b & 15u];
      uint32_t hi = kSBox[2 * j + 1][b >> 4];
      tables.t[j][b] = Rotl32(((hi << 4) | lo) << (8 * j), 11);
    }
  }
  return tables;
}

constexpr ByteTables kTables = MakeByteTables();

// CRC-16/MODBUS one byte at a time: the eight shift steps per byte, precomputed.
constexpr std::array<uint16_t, 256> MakeCrcTable() {
  std::array<uint16_t, 256> table{};
  for (unsigned b = 0; b < 256; ++b) {
    uint16_t c = static_cast<uint16_t>(b);
    for (int bit = 0; bit < 8; ++bit) {
      c = (c & 1u) ? static_cast<uint16_t>((c >> 1) ^ 0xA001u) : static_cast<uint16_t>(c >> 1);
    }
    table[b] = c;
  }
  return table;
}

constexpr std::array<uint16_t, 256> kCrcTable = MakeCrcTable();

uint32_t LoadLe32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void StoreLe32(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16);
  p[3] = static_cast<uint8_t>(v >> 24);
}

std::string_view TrimBlanks(std::string_view s) {
  size_t b = 0;
  size_t e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return s.substr(b, e - b);
}

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

}  // namespace

std::string ContainerDeviceName() {
  static const std::string name = Utf8ToCp1251("ППКОП Кестрин 18кГц 8");
  return name;
}

std::string PrepareContainerKey(std::string_view typedKey) {
  std::string_view key = TrimBlanks(typedKey);
  if (key.empty()) return {};
  std::string out(key);
  while (out.size() < kContainerKeySize) out += out;
  out.resize(kContainerKeySize);
  return out;
}

RoundKeys MakeRoundKeys(std::string_view preparedKey) {
  RoundKeys keys{};
  if (preparedKey.size() < kContainerKeySize) return keys;
  const auto* p = reinterpret_cast<const uint8_t*>(preparedKey.data());
  for (size_t i = 0; i < keys.size(); ++i) keys[i] = LoadLe32(p + 4 * i);
  return keys;
}

uint32_t RoundFunction(uint32_t n, uint32_t k) {
  uint32_t t = n + k;
  return kTables.t[0][t & 0xFFu] ^ kTables.t[1][(t >> 8) & 0xFFu] ^
         kTables.t[2][(t >> 16) & 0xFFu] ^ kTables.t[3][t >> 24];
}

void CipherRound(uint32_t& n1, uint32_t& n2, uint32_t k) {
  uint32_t t = RoundFunction(n1, k) ^ n2;
  n2 = n1;
  n1 = t;
}

void DecipherBlock(uint8_t* block, const RoundKeys& keys) {
  uint32_t n1 = LoadLe32(block);
  uint32_t n2 = LoadLe32(block + 4);
  // Rounds in pairs without moving the halves: two CipherRound calls with
  // keys a, b leave N1 in n1 and N2 in n2, as this pair does.
  auto pair = [&](uint32_t a, uint32_t b) {
    n2 ^= RoundFunction(n1, a);
    n1 ^= RoundFunction(n2, b);
  };
  pair(keys[0], keys[1]);
  pair(keys[2], keys[3]);
  pair(keys[4], keys[5]);
  pair(keys[6], keys[7]);
  for (int pass = 0; pass < 3; ++pass) {
    pair(keys[7], keys[6]);
    pair(keys[5], keys[4]);
    pair(keys[3], keys[2]);
    pair(keys[1], keys[0]);
  }
  // The last round's exchange is undone by storing the halves crosswise.
  StoreLe32(block, n2);
  StoreLe32(block + 4, n1);
}

void UnchainBytes(uint8_t* data, size_t size) {
  // Backwards, so that each predecessor is still its deciphered value.
  for (size_t i = size; i-- > 0;) {
    uint8_t d = data[i];
    uint8_t prev = i > 0 ? data[i - 1] : 0;
    data[i] = static_cast<uint8_t>(((d >> 1) | (d << 7)) ^ prev);
  }
}

uint16_t Crc16Modbus(std::string_view data, size_t first, size_t end) {
  uint16_t c = 0xFFFF;
  if (end > data.size()) end = data.size();
  for (size_t i = first; i < end; ++i) {
    c = static_cast<uint16_t>((c >> 8) ^ kCrcTable[(c ^ static_cast<uint8_t>(data[i])) & 0xFFu]);
  }
  return c;
}

uint16_t TextCrc16(std::string_view data, size_t first, size_t end) {
  uint16_t c = Crc16Modbus(data, first, end);
  return static_cast<uint16_t>((c >> 8) | (c << 8));
}

bool IsDeviceNameLine(std::string_view line) {
  static const std::string expected = UpperCp1251(TrimBlanks(ContainerDeviceName()));
  std::string_view trimmed = TrimBlanks(line);
  return trimmed.size() == expected.size() && UpperCp1251(trimmed) == expected;
}

ContainerHeader ParseContainerHeader(std::string_view bytes) {
  ContainerHeader h;
  size_t i = 0;
  while (i < bytes.size() && !IsLineBreak(bytes[i])) ++i;
  h.matches = IsDeviceNameLine(bytes.substr(0, i));
  while (i < bytes.size() && IsLineBreak(bytes[i])) ++i;
  h.alias = std::string(bytes.substr(i, kContainerAliasSize));
  i += h.alias.size();
  h.identifier = std::string(bytes.substr(i, kContainerIdSize));
  i += h.identifier.size();
  h.complete = h.alias.size() == kContainerAliasSize && h.identifier.size() == kContainerIdSize;
  h.bodyOffset = i;
  return h;
}

ContainerHeader TestContainerHeader(const std::string& path) {
  std::string bytes;
  if (ReadFileBytes(path, bytes, kContainerHeaderProbeBytes, true) != ReadStatus::Ok) return {};
  return ParseContainerHeader(bytes);
}

int DecipherContainer(std::string_view bytes, std::string_view preparedKey, std::string& text) {
  text.clear();
  if (preparedKey.size() < kContainerKeySize) return kContainerBadKey;
  return DecipherContainer(bytes, MakeRoundKeys(preparedKey), text);
}

int DecipherContainer(std::string_view bytes, const RoundKeys& keys, std::string& text) {
  text.clear();
  if (bytes.size() > kContainerMaxBytes) bytes = bytes.substr(0, kContainerMaxBytes);
  ContainerHeader h = ParseContainerHeader(bytes);
  if (!h.matches) return kContainerBadHeader;
  // A file ending inside the plain fields, or with no body at all, is a size error.
  if (!h.complete) return kContainerBadSize;
  const size_t size = bytes.size() - h.bodyOffset;
  if (size == 0 || size % 8 != 0) return kContainerBadSize;

  std::string plain(bytes.substr(h.bodyOffset));
  auto* p = reinterpret_cast<uint8_t*>(plain.data());
  for (size_t i = 0; i < size; i += 8) DecipherBlock(p + i, keys);
  UnchainBytes(p, size);

  const size_t offset = p[size - 1];
  const size_t textEnd = size - 3;  // one past index L-4
  const uint16_t stored = static_cast<uint16_t>((p[size - 3] << 8) | p[size - 2]);
  if (Crc16Modbus(plain, offset, textEnd) != stored) return kContainerBadCheck;
  if (offset < textEnd) text.assign(plain, offset, textEnd - offset);
  return kContainerOk;
}

int LoadCryptoFile(const std::string& path, std::string_view preparedKey, TextBuffer& buffer) {
  buffer.Clear();
  std::string text;
  int code = kContainerBadKey;
  if (preparedKey.size() >= kContainerKeySize) {
    std::string bytes;
    // Unreadable or missing files read as empty and fail the header test.
    ReadFileBytes(path, bytes, kContainerMaxBytes, true);
    code = DecipherContainer(bytes, preparedKey, text);
  }
  if (code == kContainerOk) {
    buffer.SetBytes(text);
  } else {
    buffer.AddLine(std::string());
  }
  return code;
}

std::string ContainerAliasText(std::string_view rawAlias) {
  std::string out(rawAlias);
  // Control bytes would break a list cell or a tab-separated line.
  for (char& c : out) {
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string FormatContainerId(std::string_view rawId) {
  std::string digits;
  for (size_t i = 0; i < rawId.size() && i < kContainerIdSize; ++i) {
    digits += IsHexDigit(rawId[i]) ? rawId[i] : '?';
  }
  digits.resize(kContainerIdSize, '0');
  return digits.substr(0, 4) + "-" + digits.substr(4, 4) + "-" + digits.substr(8, 4);
}

}  // namespace kestrin
