#include "model/key_name_text.h"

#include <gtest/gtest.h>

#include "model/device.h"
#include "model/reader.h"
#include "model/type_codes.h"
#include "model/writer.h"

namespace kestrin {
namespace {

// The whole file's way: the name set in a model, the model written and read.
bool SurvivesAFile(const std::string& name, int mode) {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetKeyMode(7, mode);
  m.SetKeyName(7, name);
  T_Command_DEVICE back;
  LoadConfigText(WriteConfigTextCrLf(m), back);
  return back.GetKeyName(7) == name && back.GetKeyMode(7) == mode;
}

// Every byte inside, at the start and at the end of a name, in every mode:
// the rule agrees with a save and a load, and refuses exactly the control
// bytes, the bytes the text gives a meaning (".", ";", "$"), blanks the
// reader trims and a mode mark the reader would take for one.
TEST(KeyNameText, AgreesWithTheWriterAndReader) {
  const int modes[] = {Code(KeyMode::kArmDisarm), Code(KeyMode::kDuress), Code(KeyMode::kPatrol)};
  int refused = 0;
  for (int mode : modes) {
    for (int b = 1; b < 256; ++b) {
      const char c = static_cast<char>(b);
      for (const std::string& name : {std::string("a") + c + "z", std::string(1, c) + "z", std::string("a") + c}) {
        const bool control = b < 0x20 || b == 0x7F;
        const bool meaning = c == '.' || c == ';' || c == '$';
        // A mode's mark shields a leading blank from the trim.
        const bool trimmed =
            c == ' ' && (name.back() == ' ' || (name.front() == ' ' && mode == Code(KeyMode::kArmDisarm)));
        const bool mark = mode == Code(KeyMode::kArmDisarm) && (c == '!' || c == '*') && name.front() == c;
        const bool expected = !(control || meaning || trimmed || mark);
        EXPECT_EQ(KeyNameRoundTrips(name, mode), expected) << "byte " << b << " mode " << mode << " " << name;
        if (!control) {
          EXPECT_EQ(KeyNameRoundTrips(name, mode), SurvivesAFile(name, mode)) << "byte " << b;
        }
        refused += !expected;
      }
    }
  }
  EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace kestrin
