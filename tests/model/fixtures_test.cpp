// The language fixtures: file -> text buffer -> defaults + reader -> writer
// must give the expected bytes exactly. And the repository's copy of the
// fixtures must match the contract they were copied from, when it is there.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

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
  ASSERT_FALSE(in.empty()) << "fixture empty or unreadable: " << name << ".in";
  ASSERT_FALSE(expected.empty()) << "fixture empty or unreadable: " << name << ".expected";
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

namespace fs = std::filesystem;

// Relative path -> bytes of every file under root.
std::map<std::string, std::string> FilesUnder(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    if (!e.is_regular_file()) continue;
    const std::u8string rel = fs::relative(e.path(), root).generic_u8string();
    const std::u8string full = e.path().u8string();
    files[std::string(rel.begin(), rel.end())] = test::ReadAll(std::string(full.begin(), full.end()));
  }
  return files;
}

TEST(FixtureCopy, IsIdenticalToTheContractBesideTheRepository) {
  const fs::path mine = fs::weakly_canonical(fs::path(KESTRIN_FIXTURES));
  // The contract sits in shared/fixtures next to the repository on the
  // developers' machines; a user's clone has nothing beside it.
  const fs::path contract = mine.parent_path().parent_path().parent_path() / "shared" / "fixtures";
  ASSERT_TRUE(fs::is_directory(mine)) << "test fixtures missing: " << mine.string();
  if (!fs::is_directory(contract))
    GTEST_SKIP() << "no " << contract.string() << " beside the repository: nothing to compare";
  const auto expected = FilesUnder(contract);
  const auto actual = FilesUnder(mine);
  ASSERT_FALSE(expected.empty());
  for (const auto& [name, bytes] : expected) {
    auto it = actual.find(name);
    if (it == actual.end())
      ADD_FAILURE() << "tests/fixtures lacks " << name;
    else
      EXPECT_TRUE(it->second == bytes) << "tests/fixtures/" << name << " differs from the contract";
  }
  for (const auto& [name, bytes] : actual)
    EXPECT_TRUE(expected.count(name)) << "tests/fixtures/" << name << " is not in the contract";
}

}  // namespace
}  // namespace kestrin
