#include "report/checks.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace kestrin {
namespace {

// Defaults plus a file key: the configuration that must pass.
T_Command_DEVICE Passing() {
  T_Command_DEVICE m;
  m.SetDefaults();
  m.SetFileKey("secret");
  return m;
}

// Records every violation and answers from a script (the last answer repeats).
struct Script {
  explicit Script(std::vector<CheckAnswer> a) : answers(std::move(a)) {}
  std::vector<CheckAnswer> answers;
  std::vector<CheckViolation> seen;
  std::vector<CheckRule> redrawn;
  CheckHandlers Handlers() {
    return {[this](const CheckViolation& v) {
              seen.push_back(v);
              size_t i = std::min(seen.size() - 1, answers.size() - 1);
              return answers[i];
            },
            [this](const CheckViolation& v) { redrawn.push_back(v.rule); }};
  }
};

TEST(Checks, DefaultConfigurationWithKeyPasses) {
  T_Command_DEVICE m = Passing();
  Script s{{CheckAnswer::Stop}};
  CheckOutcome out = RunChecks(m, s.Handlers());
  EXPECT_TRUE(out.passed);
  EXPECT_TRUE(s.seen.empty());
  EXPECT_TRUE(ReportViolations(m).empty());
}

TEST(Checks, DialogResultsMapToAnswers) {
  EXPECT_EQ(CheckAnswerFromDialogResult(1), CheckAnswer::SetDefault);
  EXPECT_EQ(CheckAnswerFromDialogResult(4), CheckAnswer::GotoControl);
  EXPECT_EQ(CheckAnswerFromDialogResult(2), CheckAnswer::Stop);
  EXPECT_EQ(CheckAnswerFromDialogResult(0), CheckAnswer::Stop);
}

TEST(Checks, IndicationRangesTextsAndDefaults) {
  T_Command_DEVICE m = Passing();
  m.SetIndicatorTime(0);  // below the minimum of 1
  m.SetSirenTime(1000);
  auto report = ReportViolations(m);
  ASSERT_EQ(report.size(), 2u);
  EXPECT_EQ(report[0].message, "Недопустимая величина времени работы выносного индикатора");
  EXPECT_EQ(report[0].recommendation, "Время работы выносного индикатора должно находится в диапазоне 1..999сек.");
  EXPECT_EQ(report[0].target.control, "E_Indic_ExtIndic");
  EXPECT_EQ(report[1].message, "Недопустимая величина времени работы сирены");
  EXPECT_EQ(report[1].recommendation, "Время работы сирены должно находится в диапазоне 0..999сек.");
  EXPECT_EQ(report[1].target.control, "E_Indic_Sirena");
  EXPECT_EQ(report[1].target.tab, "Tab_Indic");
  EXPECT_EQ(report[1].dialog, CheckDialog::ErrorContinue);
  EXPECT_TRUE(report[1].offerDefault);
  // Report-only leaves the model alone.
  EXPECT_EQ(m.GetIndicatorTime(), 0);

  Script s{{CheckAnswer::SetDefault}};
  CheckOutcome out = RunChecks(m, s.Handlers());
  EXPECT_TRUE(out.passed);
  EXPECT_EQ(out.defaultsApplied, 2);
  EXPECT_EQ(m.GetIndicatorTime(), 90);
  EXPECT_EQ(m.GetSirenTime(), 90);
  EXPECT_EQ(s.redrawn, (std::vector<CheckRule>{CheckRule::IndicatorTime, CheckRule::SirenTime}));
  EXPECT_EQ(s.seen[0].redraw, CheckRedraw::Always);
  // Siren 0 is inside its range, indicator 999 too.
  m.SetSirenTime(0);
  m.SetIndicatorTime(999);
  EXPECT_TRUE(ReportViolations(m).empty());
}

TEST(Checks, PartitionDefaultGoesOnToTheNextPartition) {
  T_Command_DEVICE m = Passing();
  m.SetExitDelay(3, 181);
  m.SetExitDelay(6, -1);
  Script s{{CheckAnswer::SetDefault}};
  CheckOutcome out = RunChecks(m, s.Handlers());
  EXPECT_TRUE(out.passed);
  ASSERT_EQ(s.seen.size(), 2u);
  EXPECT_EQ(s.seen[0].item, 3);
  EXPECT_EQ(s.seen[1].item, 6);
  EXPECT_EQ(s.seen[0].recommendation, "Задержка времени выхода может быть задана в диапазоне 0..180 секунд");
  EXPECT_EQ(s.seen[0].message, "Недопустимая величина времени выхода для раздела.");
  EXPECT_EQ(s.seen[0].redraw, CheckRedraw::WhenVisible);
  EXPECT_EQ(s.seen[0].target.control, "SG_Parts");
  EXPECT_EQ(s.seen[0].target.row, 3);
  EXPECT_EQ(s.seen[0].target.column, 1);
  EXPECT_EQ(m.GetExitDelay(3), 90);
  EXPECT_EQ(m.GetExitDelay(6), 90);
  EXPECT_EQ(m.GetExitDelay(4), 90);
}

TEST(Checks, FixStopsAndKeepsEarlierDefaults) {
  T_Command_DEVICE m = Passing();
  m.SetExitDelay(2, 500);
  m.SetRelayTime(1, 0);  // relay 1 is used after defaults
  Script s{{CheckAnswer::SetDefault, CheckAnswer::GotoControl}};
  CheckOutcome out = RunChecks(m, s.Handlers());
  EXPECT_FALSE(out.passed);
  EXPECT_EQ(out.answer, CheckAnswer::GotoControl);
  ASSERT_TRUE(out.stoppedAt);
  EXPECT_EQ(out.stoppedAt->rule, CheckRule::RelayTime);
  EXPECT_EQ(out.stoppedAt->target.tab, "Tab_Rele");
  EXPECT_EQ(out.stoppedAt->target.control, "SG_Reles");
  EXPECT_EQ(out.stoppedAt->target.row, 1);
  EXPECT_EQ(out.stoppedAt->target.column, 2);
  EXPECT_EQ(out.stoppedAt->recommendation, "Время работы может быть задано в диапазоне 1..999 секунд");
  EXPECT_EQ(m.GetExitDelay(2), 90);  // reset stays although the run was cancelled
  EXPECT_EQ(m.GetRelayTime(1), 0);

  // Closing the dialog stops without a focus change.
  Script closed{{CheckAnswer::Stop}};
  out = RunChecks(m, closed.Handlers());
  EXPECT_FALSE(out.passed);
  EXPECT_EQ(out.answer, CheckAnswer::Stop);
}

TEST(Checks, RelaysWithoutOnTimeAreNotTested) {
  T_Command_DEVICE m = Passing();
  m.SetRelayType(1, 0);
  m.SetRelayTime(1, 5000);
  m.SetRelayType(2, 10);
  m.SetRelayTime(2, 0);
  EXPECT_TRUE(ReportViolations(m).empty());
  m.SetRelayType(3, 5);
  m.SetRelayTime(3, 1000);
  auto report = ReportViolations(m);
  ASSERT_EQ(report.size(), 1u);
  EXPECT_EQ(report[0].item, 3);
  EXPECT_EQ(report[0].redraw, CheckRedraw::Always);
}

TEST(Checks, DelayedLoopNeedsAtLeastOneSecond) {
  T_Command_DEVICE m = Passing();
  m.SetLoopType(2, 1);
  m.SetLoopDelay(2, 0);  // catalogue minimum, still wrong
  m.SetLoopType(4, 16);
  m.SetLoopDelay(4, 181);
  m.SetLoopType(5, 7);
  m.SetLoopDelay(5, 0);  // not a delayed loop: never tested
  auto report = ReportViolations(m);
  ASSERT_EQ(report.size(), 2u);
  EXPECT_EQ(report[0].item, 2);
  EXPECT_EQ(report[1].item, 4);
  EXPECT_EQ(report[0].message, "Недопустимая величина времени задержки сработки по шлейфу.");
  EXPECT_EQ(report[0].recommendation, "Задержка сработки по шлейфу может быть задана в диапазоне 1..180 секунд");
  EXPECT_EQ(report[0].target.column, 2);

  Script s{{CheckAnswer::SetDefault}};
  EXPECT_TRUE(RunChecks(m, s.Handlers()).passed);
  EXPECT_EQ(m.GetLoopDelay(2), 90);
  EXPECT_EQ(m.GetLoopDelay(4), 90);
  EXPECT_EQ(m.GetLoopDelay(5), 0);
}

TEST(Checks, ControlLoopsAndKeys) {
  T_Command_DEVICE m = Passing();
  // After defaults every key sits in partition 1: a control loop there clashes.
  m.SetLoopType(3, 15);
  m.SetLoopPartition(3, 1);
  auto report = ReportViolations(m);
  ASSERT_EQ(report.size(), 1u);
  EXPECT_EQ(report[0].rule, CheckRule::ControlLoopAndKey);
  EXPECT_EQ(report[0].message, "Для управления разделом задан ключ и управляющий шлейф.");
  EXPECT_EQ(report[0].recommendation, "Одновременное управление разделом при помощи шлейфа и ключа недопустимо");
  EXPECT_FALSE(report[0].offerDefault);
  EXPECT_EQ(report[0].target.column, 1);

  // Patrol keys may share the partition; any other mode may not.
  for (int k = 1; k <= kKeyCount; ++k) m.SetKeyMode(k, 2);
  EXPECT_TRUE(ReportViolations(m).empty());
  m.SetKeyMode(200, 1);
  ASSERT_EQ(ReportViolations(m).size(), 1u);
  m.SetKeyMode(200, 0);
  ASSERT_EQ(ReportViolations(m).size(), 1u);
  m.SetKeyMode(200, 2);

  // A second control loop on the same partition fails on the lower one only.
  m.SetLoopType(6, 15);
  m.SetLoopPartition(6, 1);
  report = ReportViolations(m);
  ASSERT_EQ(report.size(), 1u);
  EXPECT_EQ(report[0].rule, CheckRule::ControlLoopTwice);
  EXPECT_EQ(report[0].item, 3);
  EXPECT_EQ(report[0].message, "Для раздела задано больше одного управляющего шлейфа.");
  EXPECT_EQ(report[0].recommendation, "Измените тип шлейфа или номер закрепленного раздела");

  // Two unassigned control loops count as equal; one alone is fine.
  m.SetLoopPartition(3, 0);
  m.SetLoopPartition(6, 0);
  report = ReportViolations(m);
  ASSERT_EQ(report.size(), 1u);
  EXPECT_EQ(report[0].item, 3);
  m.SetLoopType(6, 7);
  EXPECT_TRUE(ReportViolations(m).empty());

  // No default exists: a SetDefault answer must not let the save through.
  m.SetLoopType(6, 15);
  Script s{{CheckAnswer::SetDefault}};
  CheckOutcome out = RunChecks(m, s.Handlers());
  EXPECT_FALSE(out.passed);
  EXPECT_EQ(out.answer, CheckAnswer::Stop);
  EXPECT_EQ(out.defaultsApplied, 0);
}

TEST(Checks, CodeDouble) {
  T_Command_DEVICE m = Passing();
  m.SetKeyCode(10, "000000000000");
  m.SetKeyCode(11, "000000000000");
  m.SetKeyCode(12, "************");
  m.SetKeyCode(13, "************");
  EXPECT_EQ(Check_Code_Double(m, 10), 0);
  EXPECT_EQ(Check_Code_Double(m, 12), 0);
  EXPECT_EQ(Check_Code_Double(m, 0, "000000000000"), 0);
  EXPECT_EQ(Check_Code_Double(m, 0, ""), 0);
  EXPECT_TRUE(ReportViolations(m).empty());

  m.SetKeyCode(40, "12345678ABCD");
  m.SetKeyCode(7, "12345678ABCD");
  m.SetKeyCode(90, "12345678ABCD");
  m.SetKeyCode(8, "12345678abcd");  // case matters
  EXPECT_EQ(Check_Code_Double(m, 40), 7);
  EXPECT_EQ(Check_Code_Double(m, 7), 40);
  EXPECT_EQ(Check_Code_Double(m, 8), 0);
  EXPECT_EQ(Check_Code_Double(m, 0, "12345678ABCD"), 7);
  EXPECT_EQ(Check_Code_Double(m, 0, "12345678abcd"), 8);
  EXPECT_EQ(Check_Code_Double(m, 251), 0);

  // The run stops on the lowest key that has a twin, in the code column.
  Script s{{CheckAnswer::GotoControl}};
  CheckOutcome out = RunChecks(m, s.Handlers());
  ASSERT_TRUE(out.stoppedAt);
  EXPECT_EQ(out.stoppedAt->item, 7);
  EXPECT_EQ(out.stoppedAt->target.control, "SG_Keys");
  EXPECT_EQ(out.stoppedAt->target.row, 7);
  EXPECT_EQ(out.stoppedAt->target.column, 3);
  EXPECT_EQ(out.stoppedAt->message, "Для двух или более пользователей заданы одинаковые коды управления");
  EXPECT_EQ(out.stoppedAt->recommendation, "Следует удалить дублирующиеся коды управления");
  // Report-only names every key of the triple.
  auto report = ReportViolations(m);
  ASSERT_EQ(report.size(), 3u);
  EXPECT_EQ(report[2].item, 90);
}

TEST(Checks, KeyRuleAgreesWithCheckCodeDouble) {
  // Codes drawn from a small pool so that pairs, triples and placeholders mix.
  const std::vector<std::string> pool = {"", "000000000000", "************", "111111111111",
                                         "222222222222", "33333333333A", "33333333333a"};
  std::mt19937 rng(7);
  for (int round = 0; round < 40; ++round) {
    T_Command_DEVICE m = Passing();
    const int used = 1 + static_cast<int>(rng() % kKeyCount);
    for (int k = 1; k <= used; ++k) {
      // Mostly unique codes, a few from the pool.
      m.SetKeyCode(k, rng() % 8 == 0 ? pool[rng() % pool.size()] : PadNumber(k, 12, '0'));
    }
    std::vector<int> expected;
    for (int k = 1; k <= kKeyCount; ++k)
      if (Check_Code_Double(m, k) != 0) expected.push_back(k);
    std::vector<int> reported;
    for (const auto& v : ReportViolations(m)) reported.push_back(v.item);
    EXPECT_EQ(reported, expected) << "round " << round;
  }
}

TEST(Checks, CommonPasswordAndFileKey) {
  T_Command_DEVICE m = Passing();
  m.SetPasswordCommand("1234");
  m.SetFileKey("");
  auto report = ReportViolations(m);
  ASSERT_EQ(report.size(), 2u);
  EXPECT_EQ(report[0].message, "Пароль администратора должен иметь длину 5 символов");
  EXPECT_EQ(report[0].recommendation, "Введите 5 символов пароля администратора");
  EXPECT_EQ(report[0].dialog, CheckDialog::Messages);
  EXPECT_TRUE(report[0].showFix);
  EXPECT_FALSE(report[0].showContinue);
  EXPECT_EQ(report[0].target.tab, "Tab_Common");
  EXPECT_EQ(report[0].target.control, "E_Common_Password");
  EXPECT_EQ(report[1].message, "Не задан ключ шифрования файла конфигурации");
  EXPECT_EQ(report[1].recommendation, "Для защиты информации в приборе следует задать ключ шифрования");
  EXPECT_EQ(report[1].target.control, "E_Common_KEY");

  m.SetPasswordCommand("12345");
  m.SetFileKey("k");
  EXPECT_TRUE(ReportViolations(m).empty());
  m.SetPasswordCommand("1");
  EXPECT_EQ(ReportViolations(m).size(), 1u);
}

TEST(Checks, GroupsRunInOrderAndStopAtTheFirst) {
  T_Command_DEVICE m = Passing();
  m.SetFileKey("");
  m.SetKeyCode(1, "111111111111");
  m.SetKeyCode(2, "111111111111");
  m.SetRelayTime(2, 0);
  m.SetLoopType(1, 1);
  m.SetLoopDelay(1, 0);
  m.SetExitDelay(8, 999);
  m.SetSirenTime(-5);
  auto report = ReportViolations(m);
  std::vector<CheckGroup> groups;
  for (const auto& v : report) groups.push_back(v.group);
  EXPECT_EQ(groups, (std::vector<CheckGroup>{CheckGroup::Indication, CheckGroup::Partitions, CheckGroup::Loops,
                                             CheckGroup::Relays, CheckGroup::Keys, CheckGroup::Keys,
                                             CheckGroup::Common}));
  Script s{{CheckAnswer::GotoControl}};
  CheckOutcome out = RunChecks(m, s.Handlers());
  EXPECT_EQ(s.seen.size(), 1u);
  EXPECT_EQ(out.stoppedAt->rule, CheckRule::SirenTime);
  EXPECT_EQ(m.GetSirenTime(), -5);
}

}  // namespace
}  // namespace kestrin
