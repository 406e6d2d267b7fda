#pragma once
// T_Command_DEVICE: the complete configuration of one panel, table-driven.
#include <array>
#include <string>
#include <vector>

#include "model/command.h"
#include "model/command_table.h"
#include "model/partition_set.h"

namespace kestrin {

constexpr int kLoopCount = 8;
constexpr int kPartitionCount = 8;
constexpr int kRelayCount = 4;
constexpr int kKeyCount = 250;
constexpr int kKeyCodeLength = 12;
constexpr int kKeyNameTextLength = 10;  // mark + name

enum LimitSelector { kLimitMin = 0, kLimitDefault = 1, kLimitMax = 2 };

class T_Command_DEVICE {
 public:
  T_Command_DEVICE() { Create(); }

  // Element arrays with the table defaults only.
  void Create();
  // Every element reset, then the row-specific defaults.
  void SetDefaults();

  // Generic access for the reader and writer; index counts from 0.
  int ElementCount(int row) const {
    return row >= 0 && row < kRowCount ? static_cast<int>(rows_[row].size()) : 0;
  }
  T_Command* Element(int row, int index) {
    if (index < 0 || index >= ElementCount(row)) return nullptr;
    return &rows_[row][static_cast<size_t>(index)];
  }
  const T_Command* Element(int row, int index) const {
    return const_cast<T_Command_DEVICE*>(this)->Element(row, index);
  }

  std::string GetVersion() const;
  void SetVersion(const std::string& v);
  std::string GetFileKey() const;
  void SetFileKey(const std::string& v);
  std::string GetOldFileKey() const;
  void SetOldFileKey(const std::string& v);
  std::string GetPasswordCommand() const;
  void SetPasswordCommand(const std::string& v);

  bool GetArmWithoutGprs() const;
  void SetArmWithoutGprs(bool v);
  bool GetLogFileEnabled() const;
  void SetLogFileEnabled(bool v);
  bool GetKeyDisarmMode() const;
  void SetKeyDisarmMode(bool v);
  bool GetEntryMessageEnabled() const;
  void SetEntryMessageEnabled(bool v);
  bool GetPanicRelayEnabled() const;
  void SetPanicRelayEnabled(bool v);
  bool GetTamperRelayEnabled() const;
  void SetTamperRelayEnabled(bool v);

  int GetBackupSignalMethod() const;
  void SetBackupSignalMethod(int v);  // only 0 or 1 are stored
  int GetAccelSensitivity() const;
  void SetAccelSensitivity(int v);
  int GetIndicatorTime() const;
  void SetIndicatorTime(int v);
  int GetBuzzerVolume() const;
  void SetBuzzerVolume(int v);
  int GetSirenTime() const;
  void SetSirenTime(int v);
  int GetAlarmRepeats() const;
  void SetAlarmRepeats(int v);
  int GetIndicatorPartition() const;
  void SetIndicatorPartition(int v);
  PartitionSet GetSirenPartitions() const;
  void SetSirenPartitions(PartitionSet s);

  int GetExitDelay(int partition) const;
  void SetExitDelay(int partition, int v);
  int GetLoopType(int loop) const;
  void SetLoopType(int loop, int code);
  int GetLoopDelay(int loop) const;
  void SetLoopDelay(int loop, int v);
  std::string GetLoopName(int loop) const;
  void SetLoopName(int loop, const std::string& name);
  int GetLoopPartition(int loop) const;
  void SetLoopPartition(int loop, int partition);

  int GetRelayType(int relay) const;
  void SetRelayType(int relay, int code);
  int GetRelayTime(int relay) const;
  void SetRelayTime(int relay, int v);
  PartitionSet GetRelayPartitions(int relay) const;
  void SetRelayPartitions(int relay, PartitionSet s);

  std::string GetKeyName(int key) const;
  void SetKeyName(int key, const std::string& name);
  int GetKeyMode(int key) const;
  void SetKeyMode(int key, int mode);
  std::string GetKeyCode(int key) const;
  void SetKeyCode(int key, const std::string& code);
  PartitionSet GetKeyPartitions(int key) const;
  void SetKeyPartitions(int key, PartitionSet s);
  // The stored name text with its mode mark.
  std::string GetKeyNameText(int key) const;

  static int ExitDelayLimit(int which);
  static int IndicatorTimeLimit(int which);
  static int SirenTimeLimit(int which);
  static int RelayTimeLimit(int which);
  static int LoopDelayLimit(int which);

  std::string GetLoopTypeText(int loop) const;
  std::string GetRelayTypeText(int relay) const;

 private:
  // Every element reset, then the row-specific defaults, step by step.
  void ApplyDefaults();
  T_Command* Indexed(int row, int number, int count);
  const T_Command* Indexed(int row, int number, int count) const;
  // A number field of the numbered element (1..count) of a row; a number
  // out of range reads 0 and writes nothing.
  int IndexedValue(int row, int number, int count, int field) const;
  void SetIndexedValue(int row, int number, int count, int field, int v);
  int GetInt(int row) const;
  void SetInt(int row, int v);

  std::array<std::vector<T_Command>, kRowCount> rows_;
};

}  // namespace kestrin
