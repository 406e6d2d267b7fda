// Opening containers: the 26 KB full configuration fixture and a synthetic
// container of the largest size read (64001 bytes).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/container.h"

namespace {

using namespace kestrin;

uint32_t Le32(const uint8_t* p) {
  return p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

void PutLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// The reader's inverse, only to make input: chain, then encipher each block.
std::string MakeContainer(size_t totalSize, const std::string& key) {
  std::string head = ContainerDeviceName() + "\r\n\r\n\r\n" + "Bench     " + "0123456789AB";
  size_t size = (totalSize - head.size()) / 8 * 8;
  std::string body(size, ' ');
  for (size_t i = 0; i + 3 < size; ++i) body[i] = (i % 47 == 45) ? '\r' : (i % 47 == 46) ? '\n' : char('a' + i % 26);
  uint16_t crc = Crc16Modbus(body, 0, size - 3);
  body[size - 3] = static_cast<char>(crc >> 8);
  body[size - 2] = static_cast<char>(crc);
  body[size - 1] = 0;
  auto* p = reinterpret_cast<uint8_t*>(body.data());
  uint8_t prev = 0;
  for (size_t i = 0; i < size; ++i) {
    uint8_t v = static_cast<uint8_t>(p[i] ^ prev);
    p[i] = prev = static_cast<uint8_t>((v << 1) | (v >> 7));
  }
  RoundKeys k = MakeRoundKeys(key);
  for (size_t b = 0; b < size; b += 8) {
    uint32_t n1 = Le32(p + b), n2 = Le32(p + b + 4);
    for (int pass = 0; pass < 3; ++pass)
      for (size_t i = 0; i < 8; ++i) CipherRound(n1, n2, k[i]);
    for (size_t i = 8; i-- > 0;) CipherRound(n1, n2, k[i]);
    PutLe32(p + b, n2);
    PutLe32(p + b + 4, n1);
  }
  return head + body;
}

// Deciphers bytes under key again and again; what names the input when it
// does not open.
void TimeDecipher(benchmark::State& state, const std::string& bytes, const std::string& key,
                  const char* what) {
  std::string text;
  if (DecipherContainer(bytes, key, text) != 0) state.SkipWithError((std::string(what) + " did not open").c_str());
  for (auto _ : state) {
    benchmark::DoNotOptimize(DecipherContainer(bytes, key, text));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_DecipherFullConfigFixture(benchmark::State& state) {
  std::ifstream in(std::string(KESTRIN_FIXTURES) + "/container/h_full_config.cry", std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string key = PrepareContainerKey(
      "\xd1\xea\xeb\xe0\xe4 \xb9\x33/\xce\xf5\xf0\xe0\xed\xe0-2024:\xca\xeb\xfe\xf7_\xc4\xce\xd1\xd2\xd3\xcf");
  TimeDecipher(state, bytes, key, "fixture");
}
BENCHMARK(BM_DecipherFullConfigFixture)->Unit(benchmark::kMicrosecond);

void BM_Decipher64K(benchmark::State& state) {
  std::string key = PrepareContainerKey("bench-key");
  std::string bytes = MakeContainer(kContainerMaxBytes, key);
  TimeDecipher(state, bytes, key, "synthetic container");
}
BENCHMARK(BM_Decipher64K)->Unit(benchmark::kMicrosecond);

// The whole open as the window does it: file read, decipher, split into lines.
void BM_LoadCryptoFile64K(benchmark::State& state) {
  std::string key = PrepareContainerKey("bench-key");
  std::string bytes = MakeContainer(kContainerMaxBytes, key);
  auto path = std::filesystem::temp_directory_path() / "kestrin_bench_container.cry";
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  TextBuffer buffer;
  if (LoadCryptoFile(path.string(), key, buffer) != 0) state.SkipWithError("file did not open");
  for (auto _ : state) {
    benchmark::DoNotOptimize(LoadCryptoFile(path.string(), key, buffer));
  }
  std::error_code ec;
  std::filesystem::remove(path, ec);
}
BENCHMARK(BM_LoadCryptoFile64K)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
