#include "model/command.h"

#include "model/command_table.h"

namespace kestrin {

const std::string& T_Command::EmptyText() {
  static const std::string empty;
  return empty;
}

T_Command::T_Command(int row, int32_t subscript)
    : row_(static_cast<uint8_t>(row)), subscript_(subscript) {
  Reset();
}

void T_Command::SetText(int i, std::string t) {
  if (i == 1) text1_ = std::move(t);
  else if (i == 2) text2_ = std::move(t);
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
  // Short texts are cheaper to copy into the buffer already here than to
  // swap; long ones change hands. Most rows carry no text at all.
  TakeText(text1_, other.text1_);
  TakeText(text2_, other.text2_);
}

void T_Command::TakeText(std::string& to, std::string& from) {
  if (to.empty() && from.empty()) return;
  if (from.size() <= to.capacity()) to = from;
  else to.swap(from);
}

}  // namespace kestrin
