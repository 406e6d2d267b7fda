// The shared language fixtures: file -> text buffer -> defaults + reader ->
// writer must give the expected bytes exactly.
#include <gtest/gtest.h>

#include "model/reader.h"
#include "model/text_buffer.h"
#include "model/writer.h"
#include "support/test_text.h"

namespace kestrin {
namespace {

class LanguageFixture : public ::testing::TestWithParam<const char*> {};

TEST_P(LanguageFixture, NormalizesToTheExpectedText) {
  std::string name = GetParam();
  std::string in = test::ReadAll(test::Fixture("language/" + name + ".in"));
  std::string expected = test::ReadAll(test::Fixture("language/" + name + ".expected"));
  ASSERT_FALSE(in.empty());
  ASSERT_FALSE(expected.empty());
  TextBuffer buffer;
  buffer.SetBytes(in);
  T_Command_DEVICE m;
  LoadConfigText(buffer.Text(), m);
  EXPECT_EQ(test::U(WriteConfigTextCrLf(m)), test::U(expected));
}

INSTANTIATE_TEST_SUITE_P(Shared, LanguageFixture,
                         ::testing::Values("default_text_roundtrip", "version_dots_roundtrip",
                                           "lf_only_realistic", "failed_list_no_leak",
                                           "key7_marked_name_code", "realistic_office_roundtrip",
                                           "limit_examples"));

TEST(LanguageFixtures, LineEndsDoNotChangeWhatIsRead) {
  std::string crlf = test::ReadAll(test::Fixture("language/realistic_office_roundtrip.in"));
  std::string lf, cr;
  for (size_t i = 0; i < crlf.size(); ++i) {
    if (crlf[i] == '\r' && i + 1 < crlf.size() && crlf[i + 1] == '\n') continue;
    lf += crlf[i];
    cr += crlf[i] == '\n' ? '\r' : crlf[i];
  }
  std::string out[3];
  const std::string* inputs[3] = {&crlf, &lf, &cr};
  for (int i = 0; i < 3; ++i) {
    TextBuffer b;
    b.SetBytes(*inputs[i]);
    T_Command_DEVICE m;
    LoadConfigText(b.Text(), m);
    out[i] = WriteConfigTextCrLf(m);
  }
  EXPECT_EQ(out[1], out[0]);
  EXPECT_EQ(out[2], out[0]);
}

}  // namespace
}  // namespace kestrin
