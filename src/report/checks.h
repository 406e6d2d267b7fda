#pragma once
// Consistency rules run over a configuration model before it is saved or
// written to the panel. Qt-free: the window drives the error dialog through
// the callbacks below, the command-line tool uses the report-only mode.
//
// Texts: every text of a CheckViolation (message, recommendation, labels) is
// UTF-8, built once from UTF-8 literals and the command table's numbers.
// The window shows them with QString::fromUtf8 (not ToQ, which expects
// Windows-1251); the command-line tool prints them as they are.
//
// Wiring of the window's Check_All over the error dialog:
//
//   CheckOutcome out = RunChecks(model, {
//       [&](const CheckViolation& v) {
//         if (v.dialog == CheckDialog::ErrorContinue)
//           dlg.SetErrorContinue(msg, rec, v.offerDefault);
//         else
//           dlg.SetMessages(msg, rec, v.showFix, v.showContinue);
//         return CheckAnswerFromDialogResult(dlg.exec());   // 1, 4, 2
//       },
//       [&](const CheckViolation& v) {                       // default applied
//         if (v.redraw == CheckRedraw::Always ||
//             (v.redraw == CheckRedraw::WhenVisible && visibleTab == v.redrawTab))
//           RedrawTab(v.redrawTab);
//       }});
//   if (out.answer == CheckAnswer::GotoControl)
//     GotoItem(out.stoppedAt->target.tab, out.stoppedAt->target.control)
//     and, for a grid (target.row > 0), set its current row and column;
//   return out.passed;
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/device.h"

namespace kestrin {

// Groups in the order they run.
enum class CheckGroup { Indication, Partitions, Loops, Relays, Keys, Common };

enum class CheckRule {
  IndicatorTime,      // external indicator on-time out of range
  SirenTime,          // siren on-time out of range
  ExitDelay,          // partition exit delay out of range
  LoopDelay,          // delayed loop with its delay out of range
  ControlLoopTwice,   // two control loops on one partition
  ControlLoopAndKey,  // control loop and a key on one partition
  RelayTime,          // relay on-time out of range
  KeyCodeDouble,      // two keys with the same code
  PasswordLength,     // administrator password of 1 to 4 characters
  FileKeyEmpty,       // no configuration file key
};

// Which set-up operation of the error dialog the rule uses.
enum class CheckDialog {
  ErrorContinue,  // SetErrorContinue(message, recommendation, offerDefault)
  Messages,       // SetMessages(message, recommendation, showFix, showContinue)
};

// When the tab that shows a value reset to its default must be redrawn.
enum class CheckRedraw { Never, Always, WhenVisible };

// Where "Исправить" takes the user: tab and control objectNames; for a grid
// also the current row (the item's number) and column; -1 when not a grid.
struct CheckTarget {
  std::string tab;
  std::string control;
  int row = -1;
  int column = -1;
};

struct CheckViolation {
  CheckGroup group = CheckGroup::Indication;
  CheckRule rule = CheckRule::IndicatorTime;
  int item = 0;                // partition, loop, relay or key number; 0 for single values
  std::string groupName;       // UTF-8, e.g. "Шлейфы"
  std::string itemName;        // UTF-8, e.g. "шлейф 3"
  std::string message;         // UTF-8, for "Ошибка:"
  std::string recommendation;  // UTF-8, for "Рекомендация:"
  CheckDialog dialog = CheckDialog::ErrorContinue;
  bool offerDefault = false;   // ErrorContinue: set-default button shown
  bool showFix = true;         // Messages: "Исправить" shown
  bool showContinue = false;   // Messages: "Продолжить" shown
  CheckTarget target;
  std::string redrawTab;       // objectName of the tab to redraw after a default
  CheckRedraw redraw = CheckRedraw::Never;
};

// What the user chose for one violation.
enum class CheckAnswer {
  SetDefault,   // dialog result 1: reset the value to its default and go on
  GotoControl,  // dialog result 4 ("Исправить", Esc): stop, the caller focuses the target
  Stop,         // any other result (window closed): stop without moving the focus
};

// Error dialog result -> answer: 1 -> SetDefault, 4 -> GotoControl, else Stop.
CheckAnswer CheckAnswerFromDialogResult(int result);

struct CheckHandlers {
  std::function<CheckAnswer(const CheckViolation&)> onViolation;
  // Called after a default was written into the model (optional).
  std::function<void(const CheckViolation&)> onDefaultApplied;
};

struct CheckOutcome {
  bool passed = true;
  // The violation that stopped the run, with the answer given to it.
  std::optional<CheckViolation> stoppedAt;
  CheckAnswer answer = CheckAnswer::SetDefault;
  int defaultsApplied = 0;
};

// Runs every group in order and stops at the first violation the handler does
// not answer with SetDefault. SetDefault on a rule that offers no default
// cannot come from the dialog; it is treated as Stop so nothing invalid is
// ever let through. Values reset on the way stay reset even when a later rule
// stops the run.
CheckOutcome RunChecks(T_Command_DEVICE& model, const CheckHandlers& handlers);

// Report-only: every item's first failing rule, in every group, in run order;
// the model is not changed.
std::vector<CheckViolation> ReportViolations(const T_Command_DEVICE& model);

// Another key with the same code, or 0. key 1..250: that key's code from the
// model, that key skipped; key 0: the given code against every key. Empty
// codes and the placeholders "000000000000" / "************" never match.
int Check_Code_Double(const T_Command_DEVICE& model, int key, const std::string& code = std::string());

// True for the codes that stand for "no code".
bool IsNoKeyCode(const std::string& code);

}  // namespace kestrin
