#include "support/bench_folder.h"

#include <cstdio>
#include <fstream>
#include <random>

#include "files/container.h"
#include "model/writer.h"

namespace kestrin::bench {

namespace fs = std::filesystem;

namespace {
void Put(const fs::path& p, const std::string& bytes) {
  std::ofstream f(p, std::ios::binary);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
}  // namespace

const BenchFolder& TenThousandFiles(const char* tag) {
  static const BenchFolder folder(5000, 5000, tag);
  return folder;
}

BenchFolder::BenchFolder(int plain, int containers, const char* tag) {
  std::random_device rd;
  dir = fs::temp_directory_path() / ("kestrin-bench-" + std::string(tag) + std::to_string(rd()));
  fs::create_directories(dir);
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetFileKey("bench");
  const fs::path first = dir / "cfg00000.ini";
  Put(first, WriteConfigTextCrLf(m));
  for (int i = 1; i < plain; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "cfg%05d.ini", i);
    std::error_code ec;
    fs::create_hard_link(first, dir / name, ec);
    if (ec) fs::copy_file(first, dir / name);
  }
  const std::string body(4096, '\x33');
  for (int i = 0; i < containers; ++i) {
    char name[32], id[16];
    std::snprintf(name, sizeof name, "pan%05d.cry", i);
    std::snprintf(id, sizeof id, "%012X", i);
    Put(dir / name, ContainerDeviceName() + "\r\n" + "Panel     " + id + body);
  }
}

BenchFolder::~BenchFolder() {
  std::error_code ec;
  fs::remove_all(dir, ec);
}

}  // namespace kestrin::bench
