#include "model/device.h"

#include "model/catalogues.h"
#include "model/type_codes.h"

namespace kestrin {

namespace {
const std::string kDefaultVersion = "Config RQX7 soft v.3.0";

int Limit(int row, int valueIndex, int which) {
  const CommandRow& r = kCommandTable[row];
  switch (which) {
    case kLimitMin: return valueIndex == 1 ? r.min1 : r.min2;
    case kLimitDefault: return valueIndex == 1 ? r.def1 : r.def2;
    case kLimitMax: return valueIndex == 1 ? r.max1 : r.max2;
    default: return 0;
  }
}

std::string WithMark(int mode, const std::string& name) {
  const char mark = KeyModeMark(mode);
  std::string text = mark != '\0' ? mark + name : name;
  if (text.size() > kKeyNameTextLength) text.resize(kKeyNameTextLength);
  return text;
}
}  // namespace

void T_Command_DEVICE::Create() {
  for (int row = 0; row < kRowCount; ++row) {
    const CommandRow& r = kCommandTable[row];
    rows_[row].clear();
    int count = r.Count();
    rows_[row].reserve(static_cast<size_t>(count));
    for (int j = 0; j < count; ++j) rows_[row].emplace_back(row, r.firstSubscript + j);
  }
}

void T_Command_DEVICE::SetDefaults() {
  // The defaults are the same every time: worked out once, then copied.
  static const T_Command_DEVICE defaults = [] {
    T_Command_DEVICE d;
    d.ApplyDefaults();
    return d;
  }();
  for (int row = 0; row < kRowCount; ++row) {
    std::vector<T_Command>& elements = rows_[row];
    const std::vector<T_Command>& from = defaults.rows_[row];
    for (size_t i = 0; i < elements.size(); ++i) elements[i].ResetFrom(from[i]);
  }
}

void T_Command_DEVICE::ApplyDefaults() {
  for (auto& elements : rows_) {
    for (auto& e : elements) e.Reset();
  }
  SetVersion(kDefaultVersion);
  const int relayTypes[kRelayCount] = {Code(RelayType::kSiren1Guard), Code(RelayType::kBannerGuard),
                                       Code(RelayType::kUnused), Code(RelayType::kUnused)};
  const PartitionSet relayParts[kRelayCount] = {PartitionBit(1), PartitionBit(1), 0, 0};
  for (int r = 1; r <= kRelayCount; ++r) SetRelayType(r, relayTypes[r - 1]);
  for (int r = 1; r <= kRelayCount; ++r) SetRelayPartitions(r, relayParts[r - 1]);
  for (int loop = 1; loop <= kLoopCount; ++loop) SetLoopPartition(loop, 1);
  SetIndicatorPartition(1);
  for (int key = 1; key <= kKeyCount; ++key) SetKeyPartitions(key, PartitionBit(1));
}

T_Command* T_Command_DEVICE::Indexed(int row, int number, int count) {
  if (number < 1 || number > count) return nullptr;
  return Element(row, number - 1);
}

const T_Command* T_Command_DEVICE::Indexed(int row, int number, int count) const {
  if (number < 1 || number > count) return nullptr;
  return Element(row, number - 1);
}

int T_Command_DEVICE::IndexedValue(int row, int number, int count, int field) const {
  const T_Command* e = Indexed(row, number, count);
  return e ? e->Value(field) : 0;
}

void T_Command_DEVICE::SetIndexedValue(int row, int number, int count, int field, int v) {
  if (T_Command* e = Indexed(row, number, count)) e->SetValue(field, v);
}

int T_Command_DEVICE::GetInt(int row) const { return Element(row, 0)->Value(1); }
void T_Command_DEVICE::SetInt(int row, int v) { Element(row, 0)->SetValue(1, v); }

std::string T_Command_DEVICE::GetVersion() const { return Element(kRowVersion, 0)->Text(1); }
void T_Command_DEVICE::SetVersion(const std::string& v) { Element(kRowVersion, 0)->SetText(1, v); }
std::string T_Command_DEVICE::GetFileKey() const { return Element(kRowFileKey, 0)->Text(1); }
void T_Command_DEVICE::SetFileKey(const std::string& v) { Element(kRowFileKey, 0)->SetText(1, v); }
std::string T_Command_DEVICE::GetOldFileKey() const { return Element(kRowFileKey, 1)->Text(1); }
void T_Command_DEVICE::SetOldFileKey(const std::string& v) { Element(kRowFileKey, 1)->SetText(1, v); }
std::string T_Command_DEVICE::GetPasswordCommand() const { return Element(kRowPassword, 0)->Text(1); }
void T_Command_DEVICE::SetPasswordCommand(const std::string& v) {
  Element(kRowPassword, 0)->SetText(1, v);
}

bool T_Command_DEVICE::GetArmWithoutGprs() const { return GetInt(kRowArmNoGprs) != 0; }
void T_Command_DEVICE::SetArmWithoutGprs(bool v) { SetInt(kRowArmNoGprs, v ? 1 : 0); }
bool T_Command_DEVICE::GetLogFileEnabled() const { return GetInt(kRowLogFile) != 0; }
void T_Command_DEVICE::SetLogFileEnabled(bool v) { SetInt(kRowLogFile, v ? 1 : 0); }
bool T_Command_DEVICE::GetKeyDisarmMode() const { return GetInt(kRowKeyDisarm) != 0; }
void T_Command_DEVICE::SetKeyDisarmMode(bool v) { SetInt(kRowKeyDisarm, v ? 1 : 0); }
bool T_Command_DEVICE::GetEntryMessageEnabled() const { return GetInt(kRowEntryMsg) != 0; }
void T_Command_DEVICE::SetEntryMessageEnabled(bool v) { SetInt(kRowEntryMsg, v ? 1 : 0); }
bool T_Command_DEVICE::GetPanicRelayEnabled() const { return GetInt(kRowPanicRelay) != 0; }
void T_Command_DEVICE::SetPanicRelayEnabled(bool v) { SetInt(kRowPanicRelay, v ? 1 : 0); }
bool T_Command_DEVICE::GetTamperRelayEnabled() const { return GetInt(kRowTamperRelay) != 0; }
void T_Command_DEVICE::SetTamperRelayEnabled(bool v) { SetInt(kRowTamperRelay, v ? 1 : 0); }

int T_Command_DEVICE::GetBackupSignalMethod() const { return GetInt(kRowBackupSignal); }
void T_Command_DEVICE::SetBackupSignalMethod(int v) {
  if (v == 0 || v == 1) SetInt(kRowBackupSignal, v);
}
int T_Command_DEVICE::GetAccelSensitivity() const { return GetInt(kRowAccel); }
void T_Command_DEVICE::SetAccelSensitivity(int v) { SetInt(kRowAccel, v); }
int T_Command_DEVICE::GetIndicatorTime() const { return GetInt(kRowIndicatorTime); }
void T_Command_DEVICE::SetIndicatorTime(int v) { SetInt(kRowIndicatorTime, v); }
int T_Command_DEVICE::GetBuzzerVolume() const { return GetInt(kRowBuzzer); }
void T_Command_DEVICE::SetBuzzerVolume(int v) { SetInt(kRowBuzzer, v); }
int T_Command_DEVICE::GetSirenTime() const { return GetInt(kRowSirenTime); }
void T_Command_DEVICE::SetSirenTime(int v) { SetInt(kRowSirenTime, v); }
int T_Command_DEVICE::GetAlarmRepeats() const { return GetInt(kRowAlarmRepeats); }
void T_Command_DEVICE::SetAlarmRepeats(int v) { SetInt(kRowAlarmRepeats, v); }
int T_Command_DEVICE::GetIndicatorPartition() const { return GetInt(kRowIndicatorPart); }
void T_Command_DEVICE::SetIndicatorPartition(int v) { SetInt(kRowIndicatorPart, v); }
PartitionSet T_Command_DEVICE::GetSirenPartitions() const {
  return ListToPartitionSet(*Element(kRowSirenParts, 0));
}
void T_Command_DEVICE::SetSirenPartitions(PartitionSet s) {
  PartitionSetToList(s, *Element(kRowSirenParts, 0));
}

int T_Command_DEVICE::GetExitDelay(int partition) const {
  return IndexedValue(kRowExitDelay, partition, kPartitionCount, 1);
}
void T_Command_DEVICE::SetExitDelay(int partition, int v) {
  SetIndexedValue(kRowExitDelay, partition, kPartitionCount, 1, v);
}

int T_Command_DEVICE::GetLoopType(int loop) const {
  return IndexedValue(kRowLoopMode, loop, kLoopCount, 1);
}
void T_Command_DEVICE::SetLoopType(int loop, int code) {
  SetIndexedValue(kRowLoopMode, loop, kLoopCount, 1, code);
}
int T_Command_DEVICE::GetLoopDelay(int loop) const {
  return IndexedValue(kRowLoopMode, loop, kLoopCount, 2);
}
void T_Command_DEVICE::SetLoopDelay(int loop, int v) {
  SetIndexedValue(kRowLoopMode, loop, kLoopCount, 2, v);
}
std::string T_Command_DEVICE::GetLoopName(int loop) const {
  const T_Command* e = Indexed(kRowLoopName, loop, kLoopCount);
  return e ? e->Text(1) : std::string();
}
void T_Command_DEVICE::SetLoopName(int loop, const std::string& name) {
  if (T_Command* e = Indexed(kRowLoopName, loop, kLoopCount)) e->SetText(1, name);
}

int T_Command_DEVICE::GetLoopPartition(int loop) const {
  if (loop < 1 || loop > kLoopCount) return 0;
  for (int p = 1; p <= kPartitionCount; ++p) {
    const T_Command* e = Element(kRowLoopParts, p - 1);
    for (int i = 1; i <= T_Command::kListSize; ++i) {
      if (e->ListItem(i) == loop) return p;
    }
  }
  return 0;
}

void T_Command_DEVICE::SetLoopPartition(int loop, int partition) {
  if (loop < 1 || loop > kLoopCount) return;
  for (int p = 1; p <= kPartitionCount; ++p) {
    T_Command* e = Element(kRowLoopParts, p - 1);
    for (int i = 1; i <= T_Command::kListSize; ++i) {
      if (e->ListItem(i) == loop) e->SetListItem(i, 0);
    }
  }
  if (partition < 1 || partition > kPartitionCount) return;
  T_Command* e = Element(kRowLoopParts, partition - 1);
  for (int i = 1; i <= T_Command::kListSize; ++i) {
    if (e->ListItem(i) == 0) {
      e->SetListItem(i, loop);
      return;
    }
  }
}

int T_Command_DEVICE::GetRelayType(int relay) const {
  return IndexedValue(kRowRelayMode, relay, kRelayCount, 1);
}
void T_Command_DEVICE::SetRelayType(int relay, int code) {
  SetIndexedValue(kRowRelayMode, relay, kRelayCount, 1, code);
}
int T_Command_DEVICE::GetRelayTime(int relay) const {
  return IndexedValue(kRowRelayMode, relay, kRelayCount, 2);
}
void T_Command_DEVICE::SetRelayTime(int relay, int v) {
  SetIndexedValue(kRowRelayMode, relay, kRelayCount, 2, v);
}
PartitionSet T_Command_DEVICE::GetRelayPartitions(int relay) const {
  const T_Command* e = Indexed(kRowRelayParts, relay, kRelayCount);
  return e ? ListToPartitionSet(*e) : 0;
}
void T_Command_DEVICE::SetRelayPartitions(int relay, PartitionSet s) {
  if (T_Command* e = Indexed(kRowRelayParts, relay, kRelayCount)) PartitionSetToList(s, *e);
}

std::string T_Command_DEVICE::GetKeyNameText(int key) const {
  const T_Command* e = Indexed(kRowKeyUser, key, kKeyCount);
  return e ? e->Text(1) : std::string();
}

int T_Command_DEVICE::GetKeyMode(int key) const {
  std::string text = GetKeyNameText(key);
  return text.empty() ? Code(KeyMode::kArmDisarm) : KeyModeOfMark(text[0]);
}

std::string T_Command_DEVICE::GetKeyName(int key) const {
  std::string text = GetKeyNameText(key);
  if (!text.empty() && KeyModeOfMark(text[0]) != Code(KeyMode::kArmDisarm)) {
    if (text.size() > kKeyNameTextLength) text.resize(kKeyNameTextLength);
    text.erase(0, 1);
  }
  return text;
}

void T_Command_DEVICE::SetKeyName(int key, const std::string& name) {
  T_Command* e = Indexed(kRowKeyUser, key, kKeyCount);
  if (!e) return;
  e->SetText(1, WithMark(GetKeyMode(key), name));
}

void T_Command_DEVICE::SetKeyMode(int key, int mode) {
  T_Command* e = Indexed(kRowKeyUser, key, kKeyCount);
  if (!e) return;
  e->SetText(1, WithMark(mode, GetKeyName(key)));
}

std::string T_Command_DEVICE::GetKeyCode(int key) const {
  const T_Command* e = Indexed(kRowKeyUser, key, kKeyCount);
  return e ? e->Text(2) : std::string();
}

void T_Command_DEVICE::SetKeyCode(int key, const std::string& code) {
  T_Command* e = Indexed(kRowKeyUser, key, kKeyCount);
  if (!e) return;
  std::string stored = code;
  if (!stored.empty() && stored.size() < kKeyCodeLength) stored.resize(kKeyCodeLength, '0');
  e->SetText(2, stored);
}

PartitionSet T_Command_DEVICE::GetKeyPartitions(int key) const {
  const T_Command* e = Indexed(kRowKeyParts, key, kKeyCount);
  return e ? ListToPartitionSet(*e) : 0;
}
void T_Command_DEVICE::SetKeyPartitions(int key, PartitionSet s) {
  if (T_Command* e = Indexed(kRowKeyParts, key, kKeyCount)) PartitionSetToList(s, *e);
}

int T_Command_DEVICE::ExitDelayLimit(int which) { return Limit(kRowExitDelay, 1, which); }
int T_Command_DEVICE::IndicatorTimeLimit(int which) { return Limit(kRowIndicatorTime, 1, which); }
int T_Command_DEVICE::SirenTimeLimit(int which) { return Limit(kRowSirenTime, 1, which); }
int T_Command_DEVICE::RelayTimeLimit(int which) { return Limit(kRowRelayMode, 2, which); }
int T_Command_DEVICE::LoopDelayLimit(int which) { return Limit(kRowLoopMode, 2, which); }

std::string T_Command_DEVICE::GetLoopTypeText(int loop) const {
  return LoopTypeText(GetLoopType(loop));
}
std::string T_Command_DEVICE::GetRelayTypeText(int relay) const {
  return RelayTypeText(GetRelayType(relay));
}

}  // namespace kestrin
