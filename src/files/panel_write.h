#pragma once
// Writing a configuration onto the panel's disk, Qt-free; the window's
// "В устройство..." and the command line's write-panel both call
// WriteToPanelDisk, so they back up, write and verify alike.
//
// 1. A config.ini in the disk's root is copied byte for byte into the backup
//    folder (created when missing) as YYYY-MM-DD_HH-MM-SS_<disk>.ini, or
//    ..._<disk>_2.ini, _3 ... when that name is taken; nothing is ever
//    overwritten. The copy is read back and keeps the original's
//    modification time. No config.ini: no copy. When the copy cannot be
//    made, nothing on the disk is touched.
// 2. config.ini, then clock.txt, each replaced as files/atomic_file.h does.
// 3. Both are read back from the disk (files/disk_io.h) and compared.
// A failure stops at its step; what was written before it stays, the backup
// included.
#include <string>

#include "files/atomic_file.h"
#include "files/disk_io.h"
#include "model/messages.h"

namespace kestrin {

// The default backup folder under the documents folder.
inline constexpr char kBackupSubfolder[] = "Кестрин/Резервные копии";

// The folder backups go to: the BackupPath setting when it is set, else
// kBackupSubfolder under documentsFolder (UTF-8 paths; empty when neither is
// known).
std::string BackupFolder(const std::string& backupPathSetting, const std::string& documentsFolder);

// The copy's file name for a disk name and time; number 2, 3 ... adds "_N"
// (a taken name). Every character a Windows file name cannot hold becomes "_".
std::string BackupFileName(const std::string& diskName, const LocalTime& when, int number = 1);

struct PanelWriteRequest {
  std::string configBytes;   // config.ini as it is to be written
  std::string clockBytes;    // clock.txt
  std::string diskRoot;      // UTF-8 folder: the drive's root or any folder
  std::string diskName;      // DiskDisplayName(diskRoot) or a caller's choice
  std::string backupFolder;  // BackupFolder(...)
  LocalTime now;             // LocalTimeNow()
};

// Where the routine writes and reads; tests inject faults and other bytes.
struct PanelWriteSeams {
  FileWriter disk;    // config.ini and clock.txt
  FileWriter backup;  // the copy
  const DiskReader* reader = nullptr;  // null: the platform's reader
};

enum class PanelWriteStep { Done, ReadingDisk, Backup, WritingConfig, WritingClock, Verifying };

struct PanelWriteResult {
  bool ok = false;
  PanelWriteStep failedAt = PanelWriteStep::Done;
  std::string backupPath;  // the copy's full UTF-8 path; empty when none was made
  // ok: the confirmation ("Операция выполнена" and its second text, one or
  // two lines); otherwise the error pair. UTF-8.
  std::string message;
  std::string recommendation;
};

PanelWriteResult WriteToPanelDisk(const PanelWriteRequest& request,
                                  const PanelWriteSeams& seams = PanelWriteSeams());

}  // namespace kestrin
