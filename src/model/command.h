#pragma once
// One instance of a configuration command (for example the type of loop 3).
#include <array>
#include <cstdint>
#include <string>

namespace kestrin {

class T_Command {
 public:
  static constexpr int kListSize = 8;

  T_Command() = default;
  T_Command(int row, int32_t subscript);

  // Values back to the row defaults, texts and list cleared; row, subscript
  // and count kept.
  void Reset();

  int Row() const { return row_; }
  void SetRow(int row) { row_ = static_cast<uint8_t>(row); }
  int32_t Subscript() const { return subscript_; }
  void SetSubscript(int32_t s) { subscript_ = s; }
  int Count() const { return count_; }
  void SetCount(int c) { count_ = static_cast<uint8_t>(c); }

  // i = 0 addresses the subscript, 1 and 2 the values.
  int32_t Value(int i) const;
  void SetValue(int i, int32_t v);
  // i = 1 or 2.
  const std::string& Text(int i) const;
  void SetText(int i, std::string t);
  // Positions 1..8; 0 marks an empty position.
  int32_t ListItem(int i) const;
  void SetListItem(int i, int32_t v);
  void ClearList() { list_.fill(0); }

  void CopyFrom(const T_Command& other);
  // Like CopyFrom, but the other element's texts are moved (left unspecified).
  void TakeFrom(T_Command& other);

 private:
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
