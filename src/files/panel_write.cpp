#include "files/panel_write.h"

#include <cstdio>
#include <filesystem>

#include "files/paths.h"

namespace kestrin {

namespace fs = std::filesystem;

namespace {

// Long mount folder names must not push the copy's name past what file
// systems hold (255).
constexpr size_t kMaxDiskNameBytes = 120;

bool RefusedInWindowsName(unsigned char c) {
  return c < 0x20 || c == '<' || c == '>' || c == ':' || c == '"' || c == '/' || c == '\\' ||
         c == '|' || c == '?' || c == '*';
}

std::string CleanDiskName(const std::string& name) {
  std::string out;
  for (unsigned char c : name) out += RefusedInWindowsName(c) ? '_' : static_cast<char>(c);
  if (out.size() > kMaxDiskNameBytes) {
    size_t cut = kMaxDiskNameBytes;
    while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
    out.resize(cut);
  }
  return out.empty() ? std::string("_") : out;
}

// Anything there, a dangling link included; a name that cannot be looked at
// counts as taken.
bool Taken(const fs::path& p) {
  std::error_code ec;
  return fs::symlink_status(p, ec).type() != fs::file_type::not_found;
}

PanelWriteResult Failure(PanelWriteStep step, const MessagePair& pair, std::string backupPath) {
  return {false, step, std::move(backupPath), pair.message, pair.recommendation};
}

ReadStatus ReadBack(const PanelWriteSeams& seams, const fs::path& p, std::string& out) {
  static const DiskReader platform;
  const DiskReader& reader = seams.reader != nullptr ? *seams.reader : platform;
  return reader.Read(Utf8FromPath(p), out);
}

bool ReadsBackAs(const PanelWriteSeams& seams, const fs::path& p, const std::string& bytes) {
  std::string back;
  return ReadBack(seams, p, back) == ReadStatus::Ok && back == bytes;
}

// The copy of original (bytes, time) under a free name of folder; its path,
// or empty when it could not be made (then nothing of it is left behind).
std::string MakeBackup(const PanelWriteRequest& req, const PanelWriteSeams& seams,
                       const std::string& original, fs::file_time_type modified,
                       bool haveModified) {
  const fs::path folder = PathFromUtf8(req.backupFolder);
  std::error_code ec;
  if (req.backupFolder.empty()) return {};
  fs::create_directories(folder, ec);
  if (ec || !fs::is_directory(folder, ec)) return {};
  fs::path target;
  for (int n = 1;; ++n) {
    if (n > 10000) return {};
    target = folder / PathFromUtf8(BackupFileName(req.diskName, req.now, n));
    if (!Taken(target)) break;
  }
  const std::string path = Utf8FromPath(target);
  if (seams.backup.Replace(path, original) != WriteResult::Ok) return {};
  if (!ReadsBackAs(seams, target, original)) {
    fs::remove(target, ec);
    return {};
  }
  // The copy's date tells when the panel got that configuration; a file
  // system that refuses the time still holds the right bytes.
  if (haveModified) fs::last_write_time(target, modified, ec);
  return path;
}

}  // namespace

std::string BackupFolder(const std::string& backupPathSetting, const std::string& documentsFolder) {
  if (!backupPathSetting.empty()) return backupPathSetting;
  if (documentsFolder.empty()) return {};
  return Utf8FromPath(PathFromUtf8(documentsFolder) / PathFromUtf8(kBackupSubfolder));
}

std::string BackupFileName(const std::string& diskName, const LocalTime& t, int number) {
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d-%02d-%02d_", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  std::string name = stamp + CleanDiskName(diskName);
  if (number > 1) name += "_" + std::to_string(number);
  return name + ".ini";
}

PanelWriteResult WriteToPanelDisk(const PanelWriteRequest& req, const PanelWriteSeams& seams) {
  const fs::path root = PathFromUtf8(req.diskRoot);
  const fs::path config = root / "config.ini";
  const fs::path clock = root / "clock.txt";

  std::string backupPath;
  std::error_code ec;
  if (fs::exists(fs::symlink_status(config, ec))) {
    std::string original;
    if (ReadBack(seams, config, original) != ReadStatus::Ok)
      return Failure(PanelWriteStep::ReadingDisk, kMsgCannotOpen, {});
    const fs::file_time_type modified = fs::last_write_time(config, ec);
    backupPath = MakeBackup(req, seams, original, modified, !ec);
    if (backupPath.empty()) return Failure(PanelWriteStep::Backup, kMsgCannotCreate, {});
  }

  if (const WriteResult r = seams.disk.Replace(Utf8FromPath(config), req.configBytes);
      r != WriteResult::Ok) {
    return Failure(PanelWriteStep::WritingConfig, WriteFailurePair(r), backupPath);
  }
  // The clock file is made anew: any failure is a failure to create it.
  if (seams.disk.Replace(Utf8FromPath(clock), req.clockBytes) != WriteResult::Ok)
    return Failure(PanelWriteStep::WritingClock, kMsgCannotCreate, backupPath);

  if (!ReadsBackAs(seams, config, req.configBytes) || !ReadsBackAs(seams, clock, req.clockBytes))
    return Failure(PanelWriteStep::Verifying, kMsgVerifyFailed, backupPath);

  PanelWriteResult done{true, PanelWriteStep::Done, backupPath, kMsgWrittenAndVerified.message,
                        kMsgWrittenAndVerified.recommendation};
  if (!backupPath.empty()) done.recommendation += std::string("\n") + kMsgBackupKept;
  return done;
}

}  // namespace kestrin
