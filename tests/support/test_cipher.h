#pragma once
// Test-only enciphering, the inverse of the container reader: builds
// containers for cases the shared fixtures do not cover.
#include <cstdint>
#include <string>
#include <string_view>

#include "files/container.h"

namespace kestrin::test {

// Enciphers one block in place: K0..K7 three times, then K7..K0.
void EncipherBlock(uint8_t* block, const RoundKeys& keys);

// Inverse of UnchainBytes: D[i] = rotl1(P[i] xor D[i-1]), D[-1] = 0.
void ChainBytes(uint8_t* data, size_t size);

struct ContainerPlan {
  std::string header;                 // Windows-1251; empty: the device name
  std::string lineBreak = "\r\n";
  std::string alias = std::string(10, ' ');   // written as given (any length)
  std::string identifier = "000000000000";
  std::string text;                   // Windows-1251 configuration text
  unsigned offset = 0;                // text offset o; filler bytes precede the text
  int storedCheck = -1;               // -1: the right CRC; else these 16 bits are stored
  size_t padTo = 0;                   // grow the text with blanks until the file has this size
  size_t bodySize = 0;                // nonzero: exactly this body length (text must fit)
};

// The container bytes for plan, enciphered with the prepared key (32 bytes).
// finalText receives the text as stored (blanks may be added up to the block end).
std::string BuildContainer(const ContainerPlan& plan, std::string_view preparedKey,
                           std::string* finalText = nullptr);

}  // namespace kestrin::test
