// Property: a model written by the writer reads back to the same model,
// apart from the differences the text format cannot carry.
#include <gtest/gtest.h>

#include <random>

#include "model/reader.h"
#include "model/writer.h"

namespace kestrin {
namespace {

std::string RandomText(std::mt19937& rng, size_t maxLen, const std::string& alphabet) {
  std::uniform_int_distribution<size_t> len(0, maxLen);
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  std::string s(len(rng), ' ');
  for (char& c : s) c = alphabet[pick(rng)];
  return s;
}

// Values a loaded model can hold: integers within their limits, texts
// without the characters that end a value, no blanks at the ends.
T_Command_DEVICE RandomModel(std::mt19937& rng) {
  auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  std::string textChars = "abcXYZ019 _#!*?\xC0\xDF\xE0\xFF\xA8\xB8\xB9";
  std::string wordChars = "abcXYZ019_#!?\xC0\xDF\xE0\xFF\xA8\xB8\xB9,-";
  auto trimmed = [](std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(0, 1);
    return s;
  };
  T_Command_DEVICE m;
  m.SetDefaults();
  // Rest-of-line values keep inner dots and single blanks.
  m.SetVersion(trimmed(RandomText(rng, 30, textChars + ".")));
  if (m.GetVersion().empty()) m.SetVersion("v.1");
  m.SetFileKey(trimmed(RandomText(rng, 32, textChars + ".")));
  m.SetOldFileKey(trimmed(RandomText(rng, 32, textChars + ".")));
  m.SetPasswordCommand(trimmed(RandomText(rng, 10, wordChars)));
  m.SetArmWithoutGprs(in(0, 1));
  m.SetLogFileEnabled(in(0, 1));
  m.SetKeyDisarmMode(in(0, 1));
  m.SetEntryMessageEnabled(in(0, 1));
  m.SetPanicRelayEnabled(in(0, 1));
  m.SetTamperRelayEnabled(in(0, 1));
  m.SetBackupSignalMethod(in(0, 1));
  m.SetAccelSensitivity(in(0, 5));
  m.SetIndicatorTime(in(1, 999));
  m.SetBuzzerVolume(in(0, 4));
  m.SetSirenTime(in(0, 999));
  m.SetAlarmRepeats(in(0, 9));
  m.SetIndicatorPartition(in(1, 8));
  m.SetSirenPartitions(static_cast<PartitionSet>(in(0, 255) << 1));
  for (int p = 1; p <= 8; ++p) m.SetExitDelay(p, in(0, 180));
  for (int l = 1; l <= 8; ++l) {
    int types[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16};
    m.SetLoopType(l, types[in(0, 14)]);
    m.SetLoopDelay(l, in(0, 180));
    m.SetLoopName(l, trimmed(RandomText(rng, 12, wordChars)));
    m.SetLoopPartition(l, in(0, 8));
  }
  for (int r = 1; r <= 4; ++r) {
    m.SetRelayType(r, in(0, 10));
    m.SetRelayTime(r, in(1, 999));
    m.SetRelayPartitions(r, static_cast<PartitionSet>(in(0, 255) << 1));
  }
  const std::string hex = "0123456789ABCDEF";
  for (int k = 1; k <= 250; ++k) {
    std::string name = trimmed(RandomText(rng, 9, "abcXYZ019_\xC0\xDF\xE0\xFF\xA8"));
    m.SetKeyName(k, name);
    m.SetKeyMode(k, in(0, 2));
    int kind = in(0, 3);
    if (kind == 1) m.SetKeyCode(k, std::string(12, '*'));
    if (kind >= 2) {
      std::string code;
      for (int i = 0, n = in(1, 12); i < n; ++i) code += hex[static_cast<size_t>(in(0, 15))];
      m.SetKeyCode(k, code);
    }
    m.SetKeyPartitions(k, static_cast<PartitionSet>(in(0, 255) << 1));
  }
  return m;
}

// Everything the writer emits, compared line by line, is the model's state.
TEST(RoundTrip, RandomModelsReadBackUnchanged) {
  std::mt19937 rng(20261209);
  for (int iteration = 0; iteration < 300; ++iteration) {
    T_Command_DEVICE m = RandomModel(rng);
    std::string text = WriteConfigTextCrLf(m);
    T_Command_DEVICE back;
    LoadConfigText(text, back);
    ASSERT_EQ(WriteConfigTextCrLf(back), text) << "iteration " << iteration;
    ASSERT_EQ(back.GetVersion(), m.GetVersion());
    for (int k = 1; k <= 250; k += 37) {
      ASSERT_EQ(back.GetKeyCode(k), m.GetKeyCode(k));
      ASSERT_EQ(back.GetKeyMode(k), m.GetKeyMode(k));
      ASSERT_EQ(back.GetKeyPartitions(k), m.GetKeyPartitions(k));
    }
    for (int l = 1; l <= 8; ++l) ASSERT_EQ(back.GetLoopPartition(l), m.GetLoopPartition(l));
  }
}

TEST(RoundTrip, WrittenTextIsAFixedPoint) {
  std::mt19937 rng(7);
  T_Command_DEVICE m = RandomModel(rng);
  m.SetLoopDelay(3, 400);     // out of limits: not written
  m.SetSirenTime(5000);       // read back as the default
  std::string once = WriteConfigTextCrLf(m);
  T_Command_DEVICE a;
  LoadConfigText(once, a);
  std::string twice = WriteConfigTextCrLf(a);
  T_Command_DEVICE b;
  LoadConfigText(twice, b);
  EXPECT_EQ(WriteConfigTextCrLf(b), twice);
  EXPECT_EQ(a.GetSirenTime(), 90);
  EXPECT_EQ(a.GetLoopDelay(3), 0);
}

}  // namespace
}  // namespace kestrin
