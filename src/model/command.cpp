#include "model/command.h"

#include "model/command_table.h"

namespace kestrin {

namespace {
const std::string kEmpty;
}

T_Command::T_Command(int row, int32_t subscript)
    : row_(static_cast<uint8_t>(row)), subscript_(subscript) {
  Reset();
}

void T_Command::Reset() {
  const CommandRow& r = kCommandTable[row_ < kRowCount ? row_ : 0];
  value1_ = r.def1;
  value2_ = r.def2;
  text1_.clear();
  text2_.clear();
  list_.fill(0);
}

int32_t T_Command::Value(int i) const {
  switch (i) {
    case 0: return subscript_;
    case 1: return value1_;
    case 2: return value2_;
    default: return 0;
  }
}

void T_Command::SetValue(int i, int32_t v) {
  switch (i) {
    case 0: subscript_ = v; break;
    case 1: value1_ = v; break;
    case 2: value2_ = v; break;
    default: break;
  }
}

const std::string& T_Command::Text(int i) const {
  if (i == 1) return text1_;
  if (i == 2) return text2_;
  return kEmpty;
}

void T_Command::SetText(int i, std::string t) {
  if (i == 1) text1_ = std::move(t);
  else if (i == 2) text2_ = std::move(t);
}

int32_t T_Command::ListItem(int i) const {
  return i >= 1 && i <= kListSize ? list_[i - 1] : 0;
}

void T_Command::SetListItem(int i, int32_t v) {
  if (i >= 1 && i <= kListSize) list_[i - 1] = v;
}

void T_Command::CopyScalarsFrom(const T_Command& other) {
  row_ = other.row_;
  subscript_ = other.subscript_;
  count_ = other.count_;
  list_ = other.list_;
  value1_ = other.value1_;
  value2_ = other.value2_;
}

void T_Command::CopyFrom(const T_Command& other) {
  CopyScalarsFrom(other);
  text1_ = other.text1_;
  text2_ = other.text2_;
}

void T_Command::TakeFrom(T_Command& other) {
  CopyScalarsFrom(other);
  text1_.swap(other.text1_);
  text2_.swap(other.text2_);
}

}  // namespace kestrin
