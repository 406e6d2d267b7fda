#pragma once
// Enciphered configuration containers (config.cry): reading only. The product
// never writes them. Qt-free; every text here is Windows-1251 bytes unless a
// name says UTF-8.
//
// Layout: header line (the device name), any run of CR/LF bytes, 10-byte
// alias, 12-byte identifier, then the enciphered body (a multiple of 8 bytes).
// Deciphered and un-chained body: filler[0..o-1], text[o..L-4], check value
// high byte at L-3, low byte at L-2, text offset o at L-1.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/text_buffer.h"

namespace kestrin {

// Result codes of LoadCryptoFile and DecipherContainer.
constexpr int kContainerOk = 0;
constexpr int kContainerBadHeader = 1;  // not the device name, or unreadable file
constexpr int kContainerBadSize = 2;    // body length not a positive multiple of 8
constexpr int kContainerBadKey = 3;     // prepared key shorter than 32 bytes
constexpr int kContainerBadCheck = 4;   // check value differs: wrong key or damaged body

// Only this many bytes of a container file are read.
constexpr size_t kContainerMaxBytes = 64001;
// The file list's header test reads no more than this.
constexpr size_t kContainerHeaderProbeBytes = 100;
constexpr size_t kContainerAliasSize = 10;
constexpr size_t kContainerIdSize = 12;
constexpr size_t kContainerKeySize = 32;

// The device name of the header line, Windows-1251.
std::string ContainerDeviceName();

// The 32-byte container key from the key as typed (Windows-1251): blanks
// (spaces) around it removed, repeated until at least 32 bytes, first 32 kept.
// An empty or all-blank key gives an empty result (code 3 when used).
std::string PrepareContainerKey(std::string_view typedKey);

using RoundKeys = std::array<uint32_t, 8>;
// K0..K7 from the first 32 bytes, little-endian. Needs at least 32 bytes.
RoundKeys MakeRoundKeys(std::string_view preparedKey);

// The round function: substitution of (n + k) through the table, rotated left by 11.
uint32_t RoundFunction(uint32_t n, uint32_t k);
// One round: N1 = f(N1, K) xor N2, N2 = old N1.
void CipherRound(uint32_t& n1, uint32_t& n2, uint32_t k);
// Deciphers one 8-byte block in place (K0..K7, then K7..K0 three times).
void DecipherBlock(uint8_t* block, const RoundKeys& keys);

// Undoes the byte chaining of the deciphered body in place:
// P[i] = rotr1(D[i]) xor D[i-1], with D[-1] taken as 0.
void UnchainBytes(uint8_t* data, size_t size);

// CRC-16/MODBUS of data[first, end) (empty or inverted range: 0xFFFF).
uint16_t Crc16Modbus(std::string_view data, size_t first, size_t end);
// The same value with its two bytes exchanged, as the reader compares it
// against the stored bytes read little-endian.
uint16_t TextCrc16(std::string_view data, size_t first, size_t end);

// Plain fields of a container, parsed from the first bytes of a file.
struct ContainerHeader {
  bool matches = false;    // the header line is the device name
  bool complete = false;   // alias and identifier are both present in full
  std::string alias;       // raw, up to 10 bytes (fewer when the data ends)
  std::string identifier;  // raw, up to 12 bytes
  size_t bodyOffset = 0;   // index of the first body byte (valid when complete)
};

// True when the line (without its break) is the device name, ignoring blanks
// around it and letter case (Latin and Cyrillic).
bool IsDeviceNameLine(std::string_view line);
ContainerHeader ParseContainerHeader(std::string_view bytes);

// The header test of the file list: reads at most 100 bytes of the file.
// A file that cannot be read gives matches == false.
ContainerHeader TestContainerHeader(const std::string& path);

// Deciphers a whole container held in memory. The check order is key, header,
// length, check value. text receives the text bytes on code 0 and is cleared
// on every other code.
int DecipherContainer(std::string_view bytes, std::string_view preparedKey, std::string& text);
// Same with round keys already made (the caller has checked the key length).
int DecipherContainer(std::string_view bytes, const RoundKeys& keys, std::string& text);

// Reads at most 64001 bytes of the file and deciphers it. On code 0 the
// buffer holds the text split into lines; on any other code one empty line.
// A file that cannot be read counts as empty (code 1 unless the key is short).
int LoadCryptoFile(const std::string& path, std::string_view preparedKey, TextBuffer& buffer);

// Display forms for the file list: the alias with trailing blanks removed
// (leading ones kept), and the identifier as "XXXX-XXXX-XXXX": padded on the
// right with '0' to 12 characters, every non-hexadecimal byte shown as '?'.
std::string ContainerAliasText(std::string_view rawAlias);
std::string FormatContainerId(std::string_view rawId);

}  // namespace kestrin
