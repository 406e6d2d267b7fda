#pragma once
// A folder of plain and container files for the file-list benchmarks, made
// once and removed at the end. Plain files are hard links to one full
// configuration (561 lines) to spare the disk.
#include <filesystem>
#include <string>

namespace kestrin::bench {

struct BenchFolder {
  std::filesystem::path dir;
  BenchFolder(int plain, int containers, const char* tag);
  ~BenchFolder();
  std::string Str() const { return dir.string(); }
};

// The folder of 10,000 files (half plain, half containers) that the list
// benchmarks open, made on first use and removed when the program ends.
const BenchFolder& TenThousandFiles(const char* tag);

}  // namespace kestrin::bench
