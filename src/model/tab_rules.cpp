#include "model/tab_rules.h"

#include <climits>

#include "model/catalogues.h"

namespace kestrin {

const char kMaskedCode[] = "************";
const char kZeroCode[] = "000000000000";

namespace {

std::string NumberText(int n) { return std::to_string(n); }

// A cell shows a few words; a damaged file's name of megabytes would be
// converted and laid out whole for nothing. The model keeps it all.
constexpr size_t kShownNameMaxBytes = 250;

LoopRow LoopRowCommon(const T_Command_DEVICE& m, int loop) {
  LoopRow row;
  const int type = m.GetLoopType(loop);
  row.typeText = LoopTypeText(type);
  if (LoopTypeHasDelay(type)) {
    row.delay = NumberText(m.GetLoopDelay(loop));
    row.delayEditable = true;
  }
  row.name = m.GetLoopName(loop);
  if (row.name.size() > kShownNameMaxBytes) row.name.resize(kShownNameMaxBytes);
  const int part = m.GetLoopPartition(loop);
  if (part != 0) row.partition = NumberText(part);
  return row;
}

}  // namespace

LoopRow LoopRowForRedraw(const T_Command_DEVICE& m, int loop) {
  LoopRow row = LoopRowCommon(m, loop);
  if (Is(m.GetLoopType(loop), LoopType::kPatrol)) {
    row.partition.clear();
  } else {
    row.partitionEditable = true;
  }
  return row;
}

LoopRow LoopRowAfterSave(const T_Command_DEVICE& m, int loop) {
  LoopRow row = LoopRowCommon(m, loop);
  if (LoopTypeExcludesPartition(m.GetLoopType(loop))) {
    row.partition.clear();
  } else {
    row.partitionEditable = true;
  }
  return row;
}

LoopRow Shleifs_SaveType(T_Command_DEVICE& m, int loop, int type) {
  m.SetLoopType(loop, type);
  if (LoopTypeHasDelay(type)) {
    if (m.GetLoopDelay(loop) == 0) m.SetLoopDelay(loop, T_Command_DEVICE::LoopDelayLimit(kLimitDefault));
  } else {
    m.SetLoopDelay(loop, 0);
  }
  if (LoopTypeExcludesPartition(type)) {
    m.SetLoopPartition(loop, 0);
  } else if (m.GetLoopPartition(loop) == 0) {
    m.SetLoopPartition(loop, 1);
  }
  return LoopRowAfterSave(m, loop);
}

LoopRow Shleifs_SaveDelay(T_Command_DEVICE& m, int loop, int seconds) {
  if (!LoopTypeHasDelay(m.GetLoopType(loop))) seconds = 0;
  m.SetLoopDelay(loop, seconds);
  return LoopRowAfterSave(m, loop);
}

LoopRow Shleifs_SavePart(T_Command_DEVICE& m, int loop, int partition) {
  if (LoopTypeExcludesPartition(m.GetLoopType(loop))) partition = 0;
  // Partitions above 8 are not allowed by the model; treat them as none.
  if (partition < 0 || partition > kPartitionCount) partition = 0;
  m.SetLoopPartition(loop, partition);
  return LoopRowAfterSave(m, loop);
}

LoopRow Shleifs_SaveName(T_Command_DEVICE& m, int loop, const std::string& name) {
  m.SetLoopName(loop, name);
  return LoopRowAfterSave(m, loop);
}

RelayRow RelayRowOf(const T_Command_DEVICE& m, int relay) {
  RelayRow row;
  const int type = m.GetRelayType(relay);
  row.typeText = RelayTypeText(type);
  if (RelayTypeHasTime(type)) {
    row.time = NumberText(m.GetRelayTime(relay));
    row.timeEditable = true;
  }
  if (Is(type, RelayType::kUnused)) {
    row.partEditor = RelayPartEditor::kNone;
  } else {
    row.partitions = FormatPartitionRanges(m.GetRelayPartitions(relay));
    row.partEditor = Is(type, RelayType::kLock) ? RelayPartEditor::kList : RelayPartEditor::kCheckList;
  }
  return row;
}

RelayRow Reles_SaveType(T_Command_DEVICE& m, int relay, int type) {
  m.SetRelayType(relay, type);
  if (RelayTypeHasTime(type)) {
    if (m.GetRelayTime(relay) == 0) m.SetRelayTime(relay, T_Command_DEVICE::RelayTimeLimit(kLimitDefault));
  } else {
    m.SetRelayTime(relay, 0);
  }
  PartitionSet set = 0;
  if (!Is(type, RelayType::kUnused)) {
    set = m.GetRelayPartitions(relay) & 0x1FE;
    if (set == 0) set = PartitionBit(1);
    // A lock follows a single partition: the first one chosen.
    if (Is(type, RelayType::kLock)) {
      for (int p = 1; p <= kPartitionCount; ++p) {
        if (HasPartition(set, p)) {
          set = PartitionBit(p);
          break;
        }
      }
    }
  }
  m.SetRelayPartitions(relay, set);
  return RelayRowOf(m, relay);
}

RelayRow Reles_SaveDelay(T_Command_DEVICE& m, int relay, int seconds) {
  if (!RelayTypeHasTime(m.GetRelayType(relay))) seconds = 0;
  m.SetRelayTime(relay, seconds);
  return RelayRowOf(m, relay);
}

RelayRow Reles_SaveParts(T_Command_DEVICE& m, int relay, PartitionSet set) {
  m.SetRelayPartitions(relay, set);
  return RelayRowOf(m, relay);
}

void EnforceRowRules(T_Command_DEVICE& m) {
  for (int loop = 1; loop <= kLoopCount; ++loop) Shleifs_SaveType(m, loop, m.GetLoopType(loop));
  for (int relay = 1; relay <= kRelayCount; ++relay) Reles_SaveType(m, relay, m.GetRelayType(relay));
}

int AlarmRepeatIndex(int count) { return count >= 1 && count <= 9 ? count : 0; }

int FieldNumber(const std::string& text) {
  long long value = 0;
  bool any = false;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    any = true;
    value = value * 10 + (c - '0');
    if (value > INT_MAX) return INT_MAX;
  }
  return any ? static_cast<int>(value) : 0;
}

PartitionSet ParseRangesText(const std::string& text, int maxItem) {
  PartitionSet set = 0;
  const int limit = maxItem < 8 ? maxItem : 8;
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    const std::string part = text.substr(start, comma - start);
    const size_t dash = part.find('-');
    if (!part.empty()) {
      int a = FieldNumber(part.substr(0, dash));
      int b = dash == std::string::npos ? a : FieldNumber(part.substr(dash + 1));
      if (b > limit) b = limit;
      for (int p = a < 1 ? 1 : a; p <= b; ++p) set |= PartitionBit(p);
    }
    start = comma + 1;
  }
  return set;
}

std::string NormalizeKeyCodeText(const std::string& text) {
  if (text.empty()) return text;
  if (text.find('*') != std::string::npos) return kMaskedCode;
  std::string code = text;
  if (code.size() < static_cast<size_t>(kKeyCodeLength)) code.resize(kKeyCodeLength, '0');
  return code;
}

int FindDuplicateKeyCode(const T_Command_DEVICE& m, const std::string& code, int skipKey) {
  if (code.empty() || code == kZeroCode || code == kMaskedCode) return 0;
  for (int key = 1; key <= kKeyCount; ++key) {
    if (key == skipKey) continue;
    const std::string other = m.GetKeyCode(key);
    if (other.empty() || other == kZeroCode || other == kMaskedCode) continue;
    if (other == code) return key;
  }
  return 0;
}

int Keys_SaveCode(T_Command_DEVICE& m, int key, const std::string& text) {
  const std::string code = NormalizeKeyCodeText(text);
  const int other = FindDuplicateKeyCode(m, code);
  if (other != 0 && other != key) return other;
  m.SetKeyCode(key, code);
  return 0;
}

std::string KeyCodeSignificant(const std::string& code) {
  size_t end = code.find_last_not_of('0');
  return end == std::string::npos ? std::string() : code.substr(0, end + 1);
}

// A marked mode spends one character of the name on its mark.
int KeyNameMaxLength(int mode) {
  return KeyModeMark(mode) != '\0' ? kKeyNameTextLength - 1 : kKeyNameTextLength;
}

}  // namespace kestrin
