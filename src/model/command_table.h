#pragma once
// The 30-row command table that drives the model, the reader and the writer.
#include <array>
#include <cstdint>
#include <string>

namespace kestrin {

enum ValueKind : uint8_t {
  kValNone = 0,
  kValInteger = 1,
  kValWordText = 2,
  kValRestOfLine = 3,
  kValList = 4,
};
// Value 2 kinds: none, integer, text.
enum Value2Kind : uint8_t { kVal2None = 0, kVal2Integer = 1, kVal2Text = 2 };

struct CommandRow {
  const char* code;
  uint8_t firstSubscript;
  uint8_t lastSubscript;
  uint8_t kind1;
  int32_t min1, def1, max1;
  uint8_t kind2;
  int32_t min2, def2, max2;
  const char* commentUtf8;  // converted to Windows-1251 by RowComment

  bool Single() const { return firstSubscript == lastSubscript; }
  int Count() const { return Single() ? 1 : lastSubscript - firstSubscript + 1; }
  bool HasCode() const { return code[0] != '\0'; }
};

// Row numbers.
enum Row : int {
  kRowNone = 0,
  kRowVersion = 1,   // "Kestrin"
  kRowFe = 2,
  kRowFileKey = 3,   // "ks"
  kRowPassword = 4,  // "!!"
  kRowDeviceName = 5,  // "oa"
  kRowSmsCoding = 6,   // "sk"
  kRowArmNoGprs = 7,   // "ci"
  kRowLogFile = 8,     // "lf"
  kRowBuzzer = 9,      // "bv"
  kRowSirenTime = 10,  // "st"
  kRowSirenParts = 11, // "sz"
  kRowAccel = 12,      // "al"
  kRowIndicatorTime = 13,  // "el"
  kRowLoopName = 14,   // "la"
  kRowLoopMode = 15,   // "lm"
  kRowExitDelay = 16,  // "xo"
  kRowRelayMode = 17,  // "rm"
  kRowRelayParts = 18, // "rz"
  kRowPanicRelay = 19, // "br"
  kRowKeyUser = 20,    // "ua"
  kRowAlarmRepeats = 21,  // "lc"
  kRowKeyDisarm = 22,  // "es"
  kRowEntryMsg = 23,   // "em"
  kRowLoopParts = 24,  // "zn"
  kRowIndicatorPart = 25,  // "ez"
  kRowKeyParts = 26,   // "uz"
  kRowTamperRelay = 27,  // "tb"
  kRowBackupSignal = 28, // "pr"
  kRowEnd = 29,
  kRowCount = 30,
};

extern const std::array<CommandRow, kRowCount> kCommandTable;

// The row's comment in Windows-1251, padded with spaces to 45 characters.
const std::string& RowComment(int row);

}  // namespace kestrin
