#pragma once
// One instance of a configuration command (for example the type of loop 3).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/command_table.h"

namespace kestrin {

class T_Command {
 public:
  static constexpr int kListSize = 8;

  T_Command() = default;
  T_Command(int row, int32_t subscript);

  // Values back to the row defaults, texts and list cleared; row, subscript
  // and count kept.
  void Reset() {
    const CommandRow& r = kCommandTable[row_ < kRowCount ? row_ : 0];
    value1_ = r.def1;
    value2_ = r.def2;
    text1_.clear();
    text2_.clear();
    list_.fill(0);
  }

  // Values, texts and list as in another element of the same row (Reset
  // with its defaults); row, subscript and count kept.
  void ResetFrom(const T_Command& d) {
    value1_ = d.value1_;
    value2_ = d.value2_;
    list_ = d.list_;
    if (d.text1_.empty()) text1_.clear();
    else text1_ = d.text1_;
    if (d.text2_.empty()) text2_.clear();
    else text2_ = d.text2_;
  }

  int Row() const { return row_; }
  void SetRow(int row) { row_ = static_cast<uint8_t>(row); }
  int32_t Subscript() const { return subscript_; }
  void SetSubscript(int32_t s) { subscript_ = s; }
  int Count() const { return count_; }
  void SetCount(int c) { count_ = static_cast<uint8_t>(c); }

  // i = 0 addresses the subscript, 1 and 2 the values.
  int32_t Value(int i) const {
    switch (i) {
      case 0: return subscript_;
      case 1: return value1_;
      case 2: return value2_;
      default: return 0;
    }
  }
  void SetValue(int i, int32_t v) {
    switch (i) {
      case 0: subscript_ = v; break;
      case 1: value1_ = v; break;
      case 2: value2_ = v; break;
      default: break;
    }
  }
  // i = 1 or 2.
  const std::string& Text(int i) const {
    if (i == 1) return text1_;
    if (i == 2) return text2_;
    return EmptyText();
  }
  void SetText(int i, std::string t);
  // Copies into the text's own buffer, which is kept between reads.
  void AssignText(int i, std::string_view t) {
    if (i != 1 && i != 2) return;
    // clear + append keeps the buffer and avoids assign's slower replace path.
    std::string& to = i == 1 ? text1_ : text2_;
    to.clear();
    to.append(t);
  }
  // The text itself; i other than 1 or 2 addresses text 2.
  std::string& MutableText(int i) { return i == 1 ? text1_ : text2_; }
  // Positions 1..8; 0 marks an empty position.
  int32_t ListItem(int i) const { return i >= 1 && i <= kListSize ? list_[i - 1] : 0; }
  void SetListItem(int i, int32_t v) {
    if (i >= 1 && i <= kListSize) list_[i - 1] = v;
  }
  void ClearList() { list_.fill(0); }

  void CopyFrom(const T_Command& other);
  // Like CopyFrom, but the other element's texts are moved (left unspecified).
  void TakeFrom(T_Command& other);

 private:
  static const std::string& EmptyText();
  static void TakeText(std::string& to, std::string& from);
  void CopyScalarsFrom(const T_Command& other);

  uint8_t row_ = 0;
  int32_t subscript_ = 0;
  int32_t value1_ = 0;
  int32_t value2_ = 0;
  std::string text1_;
  std::string text2_;
  uint8_t count_ = 0;
  std::array<int32_t, kListSize> list_{};
};

}  // namespace kestrin
