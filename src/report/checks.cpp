#include "report/checks.h"

#include <string_view>
#include <unordered_map>
#include <utility>

#include "model/type_codes.h"

namespace kestrin {

namespace {

constexpr size_t kPasswordLength = 5;

// Plain concatenation: fixed part, min, "..", max, unit (no blank added).
std::string RangeText(std::string_view fixed, int min, int max, std::string_view unit) {
  std::string s(fixed);
  s += std::to_string(min);
  s += "..";
  s += std::to_string(max);
  s += unit;
  return s;
}

bool OutOfRange(int v, int min, int max) { return v < min || v > max; }

const char* GroupName(CheckGroup g) {
  switch (g) {
    case CheckGroup::Indication: return "Индикация";
    case CheckGroup::Partitions: return "Разделы";
    case CheckGroup::Loops: return "Шлейфы";
    case CheckGroup::Relays: return "Реле";
    case CheckGroup::Keys: return "Ключи";
    case CheckGroup::Common: return "Общие";
  }
  return "";
}

CheckViolation Make(CheckGroup g, CheckRule r, int item, std::string itemName, std::string message,
                    std::string recommendation) {
  CheckViolation v;
  v.group = g;
  v.rule = r;
  v.item = item;
  v.groupName = GroupName(g);
  v.itemName = std::move(itemName);
  v.message = std::move(message);
  v.recommendation = std::move(recommendation);
  return v;
}

// A range rule: set-default offered, redraw as given, focus on the control.
void RangeSetup(CheckViolation& v, const char* tab, const char* control, int row, int column,
                CheckRedraw redraw) {
  v.dialog = CheckDialog::ErrorContinue;
  v.offerDefault = true;
  v.target = {tab, control, row, column};
  v.redrawTab = tab;
  v.redraw = redraw;
}

// A rule that can only be fixed by hand through SetErrorContinue.
void FixOnlySetup(CheckViolation& v, const char* tab, const char* control, int row, int column) {
  v.dialog = CheckDialog::ErrorContinue;
  v.offerDefault = false;
  v.target = {tab, control, row, column};
}

// A Common rule: SetMessages with "Исправить" and without "Продолжить".
void MessagesSetup(CheckViolation& v, const char* control) {
  v.dialog = CheckDialog::Messages;
  v.showFix = true;
  v.showContinue = false;
  v.target = {"Tab_Common", control, -1, -1};
}

using Found = std::optional<CheckViolation>;

// A number with limits: what the error dialog says and where the value
// stands (a grid cell of the item's row, or a field when column is -1).
struct RangeRule {
  CheckGroup group;
  CheckRule rule;
  const char* message;
  const char* rangeText;  // the recommendation before the limits
  const char* unit;
  const char* tab;
  const char* control;
  int column;
  CheckRedraw redraw;
};

constexpr RangeRule kIndicatorTimeRule{
    CheckGroup::Indication, CheckRule::IndicatorTime, "Недопустимая величина времени работы выносного индикатора",
    "Время работы выносного индикатора должно находится в диапазоне ", "сек.", "Tab_Indic", "E_Indic_ExtIndic", -1,
    CheckRedraw::Always};
constexpr RangeRule kSirenTimeRule{
    CheckGroup::Indication, CheckRule::SirenTime, "Недопустимая величина времени работы сирены",
    "Время работы сирены должно находится в диапазоне ", "сек.", "Tab_Indic", "E_Indic_Sirena", -1,
    CheckRedraw::Always};
constexpr RangeRule kExitDelayRule{
    CheckGroup::Partitions, CheckRule::ExitDelay, "Недопустимая величина времени выхода для раздела.",
    "Задержка времени выхода может быть задана в диапазоне ", " секунд", "Tab_Parts", "SG_Parts", 1,
    CheckRedraw::WhenVisible};
constexpr RangeRule kLoopDelayRule{
    CheckGroup::Loops, CheckRule::LoopDelay, "Недопустимая величина времени задержки сработки по шлейфу.",
    "Задержка сработки по шлейфу может быть задана в диапазоне ", " секунд", "Tab_Shleifs", "SG_Shleifs", 2,
    CheckRedraw::WhenVisible};
constexpr RangeRule kRelayTimeRule{
    CheckGroup::Relays, CheckRule::RelayTime, "Недопустимая величина времени работы реле.",
    "Время работы может быть задано в диапазоне ", " секунд", "Tab_Rele", "SG_Reles", 2, CheckRedraw::Always};

// The violation of rule when value lies outside lo..hi; item 0 for a field.
Found TestRange(const RangeRule& r, int value, int lo, int hi, int item, std::string itemName) {
  if (!OutOfRange(value, lo, hi)) return std::nullopt;
  auto v = Make(r.group, r.rule, item, std::move(itemName), r.message, RangeText(r.rangeText, lo, hi, r.unit));
  RangeSetup(v, r.tab, r.control, r.column < 0 ? -1 : item, r.column, r.redraw);
  return v;
}

// ---- Indication ----------------------------------------------------------

Found TestIndicatorTime(const T_Command_DEVICE& m) {
  return TestRange(kIndicatorTimeRule, m.GetIndicatorTime(), T_Command_DEVICE::IndicatorTimeLimit(kLimitMin),
                   T_Command_DEVICE::IndicatorTimeLimit(kLimitMax), 0, "выносной индикатор");
}

Found TestSirenTime(const T_Command_DEVICE& m) {
  return TestRange(kSirenTimeRule, m.GetSirenTime(), T_Command_DEVICE::SirenTimeLimit(kLimitMin),
                   T_Command_DEVICE::SirenTimeLimit(kLimitMax), 0, "сирена");
}

Found TestPartition(const T_Command_DEVICE& m, int p) {
  return TestRange(kExitDelayRule, m.GetExitDelay(p), T_Command_DEVICE::ExitDelayLimit(kLimitMin),
                   T_Command_DEVICE::ExitDelayLimit(kLimitMax), p, "раздел " + std::to_string(p));
}

// ---- Loops ---------------------------------------------------------------

Found TestLoop(const T_Command_DEVICE& m, int loop) {
  const int type = m.GetLoopType(loop);
  const std::string name = "шлейф " + std::to_string(loop);
  if (LoopTypeHasDelay(type)) {
    // A delayed loop needs a delay of at least one second.
    return TestRange(kLoopDelayRule, m.GetLoopDelay(loop), T_Command_DEVICE::LoopDelayLimit(kLimitMin) + 1,
                     T_Command_DEVICE::LoopDelayLimit(kLimitMax), loop, name);
  }
  if (!Is(type, LoopType::kControl)) return std::nullopt;

  const int part = m.GetLoopPartition(loop);
  for (int other = loop + 1; other <= kLoopCount; ++other) {
    if (Is(m.GetLoopType(other), LoopType::kControl) && m.GetLoopPartition(other) == part) {
      auto v = Make(CheckGroup::Loops, CheckRule::ControlLoopTwice, loop, name,
                    "Для раздела задано больше одного управляющего шлейфа.",
                    "Измените тип шлейфа или номер закрепленного раздела");
      FixOnlySetup(v, "Tab_Shleifs", "SG_Shleifs", loop, 1);
      return v;
    }
  }
  if (part >= 1 && part <= kPartitionCount) {
    for (int key = 1; key <= kKeyCount; ++key) {
      if (!Is(m.GetKeyMode(key), KeyMode::kPatrol) && HasPartition(m.GetKeyPartitions(key), part)) {
        auto v = Make(CheckGroup::Loops, CheckRule::ControlLoopAndKey, loop, name,
                      "Для управления разделом задан ключ и управляющий шлейф.",
                      "Одновременное управление разделом при помощи шлейфа и ключа недопустимо");
        FixOnlySetup(v, "Tab_Shleifs", "SG_Shleifs", loop, 1);
        return v;
      }
    }
  }
  return std::nullopt;
}

// ---- Relays --------------------------------------------------------------

Found TestRelay(const T_Command_DEVICE& m, int relay) {
  const int type = m.GetRelayType(relay);
  if (!RelayTypeHasTime(type)) return std::nullopt;
  return TestRange(kRelayTimeRule, m.GetRelayTime(relay), T_Command_DEVICE::RelayTimeLimit(kLimitMin),
                   T_Command_DEVICE::RelayTimeLimit(kLimitMax), relay, "реле " + std::to_string(relay));
}

// ---- Keys ----------------------------------------------------------------

// The two lowest key numbers of every real code, so that a whole pass over
// the keys is linear rather than quadratic. Same answers as Check_Code_Double.
class KeyCodeIndex {
 public:
  explicit KeyCodeIndex(const T_Command_DEVICE& m) {
    for (int key = 1; key <= kKeyCount; ++key) {
      std::string code = m.GetKeyCode(key);
      if (IsNoKeyCode(code)) continue;
      auto [it, added] = first_.try_emplace(std::move(code), key, 0);
      if (!added && it->second.second == 0) it->second.second = key;
      codes_[key] = it->first;
    }
  }
  int DoubleOf(int key) const {
    auto it = first_.find(codes_[key]);
    if (it == first_.end()) return 0;
    return it->second.first == key ? it->second.second : it->second.first;
  }

 private:
  std::unordered_map<std::string, std::pair<int, int>> first_;
  std::string codes_[kKeyCount + 1];
};

Found TestKey(const KeyCodeIndex& index, int key) {
  if (index.DoubleOf(key) == 0) return std::nullopt;
  auto v = Make(CheckGroup::Keys, CheckRule::KeyCodeDouble, key, "ключ " + std::to_string(key),
                "Для двух или более пользователей заданы одинаковые коды управления",
                "Следует удалить дублирующиеся коды управления");
  FixOnlySetup(v, "Tab_Keys", "SG_Keys", key, 3);
  return v;
}

// ---- Common --------------------------------------------------------------

Found TestPassword(const T_Command_DEVICE& m) {
  const size_t len = m.GetPasswordCommand().size();
  if (len == 0 || len >= kPasswordLength) return std::nullopt;
  auto v = Make(CheckGroup::Common, CheckRule::PasswordLength, 0, "пароль администратора",
                "Пароль администратора должен иметь длину 5 символов",
                "Введите 5 символов пароля администратора");
  MessagesSetup(v, "E_Common_Password");
  return v;
}

Found TestFileKey(const T_Command_DEVICE& m) {
  if (!m.GetFileKey().empty()) return std::nullopt;
  auto v = Make(CheckGroup::Common, CheckRule::FileKeyEmpty, 0, "ключ шифрования",
                "Не задан ключ шифрования файла конфигурации",
                "Для защиты информации в приборе следует задать ключ шифрования");
  MessagesSetup(v, "E_Common_KEY");
  return v;
}

void ApplyDefault(T_Command_DEVICE& m, const CheckViolation& v) {
  switch (v.rule) {
    case CheckRule::IndicatorTime:
      m.SetIndicatorTime(T_Command_DEVICE::IndicatorTimeLimit(kLimitDefault));
      break;
    case CheckRule::SirenTime:
      m.SetSirenTime(T_Command_DEVICE::SirenTimeLimit(kLimitDefault));
      break;
    case CheckRule::ExitDelay:
      m.SetExitDelay(v.item, T_Command_DEVICE::ExitDelayLimit(kLimitDefault));
      break;
    case CheckRule::LoopDelay:
      m.SetLoopDelay(v.item, T_Command_DEVICE::LoopDelayLimit(kLimitDefault));
      break;
    case CheckRule::RelayTime:
      m.SetRelayTime(v.item, T_Command_DEVICE::RelayTimeLimit(kLimitDefault));
      break;
    default:
      break;  // no default for the other rules
  }
}

// One pass over every group. With a handler the pass stops where the handler
// says so; without one it collects every violation and changes nothing.
CheckOutcome Pass(T_Command_DEVICE* model, const T_Command_DEVICE& view, const CheckHandlers* handlers,
                  std::vector<CheckViolation>* report) {
  CheckOutcome out;
  // Returns false when the run must stop.
  auto handle = [&](Found found) -> bool {
    if (!found) return true;
    if (report) {
      report->push_back(std::move(*found));
      return true;
    }
    CheckAnswer a = handlers->onViolation ? handlers->onViolation(*found) : CheckAnswer::Stop;
    if (a == CheckAnswer::SetDefault && found->offerDefault) {
      ApplyDefault(*model, *found);
      ++out.defaultsApplied;
      if (handlers->onDefaultApplied) handlers->onDefaultApplied(*found);
      return true;
    }
    out.passed = false;
    out.answer = a == CheckAnswer::GotoControl ? CheckAnswer::GotoControl : CheckAnswer::Stop;
    out.stoppedAt = std::move(*found);
    return false;
  };

  if (!handle(TestIndicatorTime(view)) || !handle(TestSirenTime(view))) return out;
  for (int p = 1; p <= kPartitionCount; ++p)
    if (!handle(TestPartition(view, p))) return out;
  for (int loop = 1; loop <= kLoopCount; ++loop)
    if (!handle(TestLoop(view, loop))) return out;
  for (int relay = 1; relay <= kRelayCount; ++relay)
    if (!handle(TestRelay(view, relay))) return out;
  const KeyCodeIndex codes(view);  // no default exists for keys: the codes cannot change meanwhile
  for (int key = 1; key <= kKeyCount; ++key)
    if (!handle(TestKey(codes, key))) return out;
  if (!handle(TestPassword(view)) || !handle(TestFileKey(view))) return out;
  return out;
}

}  // namespace

CheckAnswer CheckAnswerFromDialogResult(int result) {
  switch (result) {
    case 1: return CheckAnswer::SetDefault;
    case 4: return CheckAnswer::GotoControl;
    default: return CheckAnswer::Stop;
  }
}

CheckOutcome RunChecks(T_Command_DEVICE& model, const CheckHandlers& handlers) {
  return Pass(&model, model, &handlers, nullptr);
}

std::vector<CheckViolation> ReportViolations(const T_Command_DEVICE& model) {
  std::vector<CheckViolation> all;
  Pass(nullptr, model, nullptr, &all);
  return all;
}

bool IsNoKeyCode(const std::string& code) {
  return code.empty() || code == "000000000000" || code == "************";
}

int Check_Code_Double(const T_Command_DEVICE& model, int key, const std::string& code) {
  if (key < 0 || key > kKeyCount) return 0;
  const std::string wanted = key == 0 ? code : model.GetKeyCode(key);
  if (IsNoKeyCode(wanted)) return 0;
  for (int other = 1; other <= kKeyCount; ++other) {
    if (other == key) continue;
    const std::string c = model.GetKeyCode(other);
    if (!IsNoKeyCode(c) && c == wanted) return other;
  }
  return 0;
}

}  // namespace kestrin
