// --as-saved: normalize, check and report first make of the file what the
// window's save of it would write; without it the file's values stand.
#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/temp_folder.h"
#include "support/save_rules_model.h"
#include "support/test_text.h"

#include "model/reader.h"
#include "model/type_codes.h"
#include "model/writer.h"

namespace kestrin {
namespace {

using test::RunCli;

std::string FileTheSaveChanges(test::TempFolder& dir) {
  return dir.Write("site.ini", WriteConfigTextCrLf(test::ModelTheSaveChanges()));
}

T_Command_DEVICE Read(const std::string& text) {
  T_Command_DEVICE m;
  LoadConfigText(text, m);
  return m;
}

TEST(CliAsSaved, NormalizeAppliesTheSaveRulesOnlyWhenAsked) {
  test::TempFolder dir;
  const std::string path = FileTheSaveChanges(dir);

  auto plain = RunCli({"normalize", path});
  ASSERT_EQ(plain.code, 0) << plain.err;
  EXPECT_EQ(plain.out, test::ReadAll(path));

  auto saved = RunCli({"normalize", "--as-saved", path});
  ASSERT_EQ(saved.code, 0) << saved.err;
  T_Command_DEVICE m = Read(saved.out);
  EXPECT_EQ(m.GetLoopPartition(1), 0);
  EXPECT_EQ(m.GetLoopDelay(2), T_Command_DEVICE::LoopDelayLimit(kLimitDefault));
  EXPECT_EQ(m.GetRelayPartitions(3), PartitionBit(2));
  EXPECT_EQ(m.GetFileKey(), "K1");
}

TEST(CliAsSaved, CheckReportsWhatTheWindowsSaveWould) {
  test::TempFolder dir;
  const std::string path = FileTheSaveChanges(dir);
  // A delayed loop without delay is a violation of the file as read; the
  // window's save gives it the default delay first.
  auto plain = RunCli({"check", path});
  EXPECT_EQ(plain.code, 1);
  EXPECT_NE(plain.out.find("Недопустимая величина времени задержки сработки по шлейфу."),
            std::string::npos)
      << plain.out;
  auto saved = RunCli({"check", "--as-saved", path});
  EXPECT_EQ(saved.code, 0) << saved.out << saved.err;
  EXPECT_EQ(saved.out, "");
}

}  // namespace
}  // namespace kestrin
