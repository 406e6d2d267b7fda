#include "model/config_diff.h"

#include <charconv>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

#include "model/catalogues.h"
#include "model/codec.h"
#include "model/partition_set.h"
#include "model/tab_rules.h"

namespace kestrin {

namespace {

struct TabInfo {
  DiffTab tab;
  const char* name;    // UTF-8 caption
  const char* object;  // tab sheet objectName
};

constexpr TabInfo kCommonTab{DiffTab::Common, "Общие", "Tab_Common"};
constexpr TabInfo kIndicTab{DiffTab::Indication, "Индикация", "Tab_Indic"};
constexpr TabInfo kPartsTab{DiffTab::Partitions, "Разделы", "Tab_Parts"};
constexpr TabInfo kLoopsTab{DiffTab::Loops, "Шлейфы", "Tab_Shleifs"};
constexpr TabInfo kRelaysTab{DiffTab::Relays, "Реле", "Tab_Rele"};
constexpr TabInfo kKeysTab{DiffTab::Keys, "Ключи", "Tab_Keys"};

// One parameter: a single control, or a grid cell when rowName is set (the
// row's name is rowName followed by the item number, which is also the row).
struct Param {
  const char* label;  // UTF-8: the label without padding and colon, or the column header
  const char* control;
  const char* rowName = nullptr;
  int number = 0;
  int column = -1;
};

// Shown texts that do not come from the model, Windows-1251 once.
struct ShownTexts {
  std::string yes = Utf8ToCp1251("да");
  std::string no = Utf8ToCp1251("нет");
  std::string all = Utf8ToCp1251("Все");
  std::string noPartition = Utf8ToCp1251("нет раздела");
  std::string partitionItem = Utf8ToCp1251("раздел ");
  std::string normallyOpen = Utf8ToCp1251("нормально разомкнутый");
  std::string normallyClosed = Utf8ToCp1251("нормально замкнутый");
};

const ShownTexts& Shown() {
  static const ShownTexts texts;
  return texts;
}

const std::string& FlagText(bool on) { return on ? Shown().yes : Shown().no; }

// The indicator partition list: item k is partition k, item 0 none; a value
// with no item leaves the list without a choice.
std::string IndicatorPartitionText(int value) {
  if (value == 0) return Shown().noPartition;
  if (value >= 1 && value <= kPartitionCount) return Shown().partitionItem + std::to_string(value);
  return std::string();
}

// Values "0" and "1" are the two items; the list shows any other as the first.
const std::string& BackupSignalText(int value) {
  return value == 1 ? Shown().normallyClosed : Shown().normallyOpen;
}

std::string AlarmRepeatText(int count) {
  const int index = AlarmRepeatIndex(count);
  return index == 0 ? Shown().all : std::to_string(index);
}

// UTF-8 bytes of the 128 upper Windows-1251 bytes, from the codec once.
struct HighBytesUtf8 {
  unsigned char size[128];
  char bytes[128][3];
  HighBytesUtf8() {
    for (int i = 0; i < 128; ++i) {
      const char32_t u = Cp1251ToUnicode(static_cast<unsigned char>(0x80 + i));
      if (u < 0x800) {
        size[i] = 2;
        bytes[i][0] = static_cast<char>(0xC0 | (u >> 6));
        bytes[i][1] = static_cast<char>(0x80 | (u & 0x3F));
      } else {
        size[i] = 3;
        bytes[i][0] = static_cast<char>(0xE0 | (u >> 12));
        bytes[i][1] = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        bytes[i][2] = static_cast<char>(0x80 | (u & 0x3F));
      }
    }
  }
};

// Cp1251ToUtf8 by table with the length counted first: values are short,
// and most then fit the string's own buffer.
std::string ToUtf8(const std::string& cp1251) {
  static const HighBytesUtf8 high;
  size_t size = 0;
  for (unsigned char c : cp1251) size += c < 0x80 ? 1 : high.size[c - 0x80];
  if (size == cp1251.size()) return cp1251;
  std::string out(size, '\0');
  char* to = out.data();
  for (unsigned char c : cp1251) {
    if (c < 0x80) {
      *to++ = static_cast<char>(c);
    } else {
      for (int k = 0; k < high.size[c - 0x80]; ++k) *to++ = high.bytes[c - 0x80][k];
    }
  }
  return out;
}

// Parameters of the tabs: "Общие" 9, "Индикация" 5, "Разделы" 8, "Шлейфы"
// 4 per loop and 1, "Реле" 3 per relay and 2, "Ключи" 4 per key.
constexpr size_t kParameterCount =
    9 + 5 + kPartitionCount + 4 * kLoopCount + 1 + 3 * kRelayCount + 2 + 4 * kKeyCount;

// One walk over the parameters serves both the comparison (only what
// differs) and the parameter list (everything, each marked).
class Differ {
 public:
  Differ(const T_Command_DEVICE& first, const T_Command_DEVICE& second, const DiffOptions& opts,
         bool listAll, std::vector<ConfigParameter>& out)
      : a(first), b(second), options(opts), all(listAll), out_(out) {}

  // Adds a parameter when the shown texts (Windows-1251) differ, or always
  // when listing all.
  void Text(const TabInfo& tab, const Param& p, const std::string& va, const std::string& vb) {
    if (all || va != vb) Add(tab, p, va, vb, va != vb);
  }
  void Number(const TabInfo& tab, const Param& p, int va, int vb) {
    if (all || va != vb) Add(tab, p, std::to_string(va), std::to_string(vb), va != vb);
  }
  void Flag(const TabInfo& tab, const Param& p, bool va, bool vb) {
    if (all || va != vb) Add(tab, p, FlagText(va), FlagText(vb), va != vb);
  }
  // Sets shown as ranges; only partitions 1..8 are shown.
  void Ranges(const TabInfo& tab, const Param& p, PartitionSet va, PartitionSet vb) {
    if (all || va != vb) Text(tab, p, FormatPartitionRanges(va), FormatPartitionRanges(vb));
  }

  void Add(const TabInfo& tab, const Param& p, const std::string& va, const std::string& vb,
           bool differs) {
    ConfigParameter& d = out_.emplace_back();
    d.changed = differs;
    d.tab = tab.tab;
    d.tabName = tab.name;
    if (p.rowName) {
      char number[16] = {' '};
      char* end = std::to_chars(number + 1, number + sizeof number - 2, p.number).ptr;
      *end++ = ':';
      *end++ = ' ';
      const size_t n = static_cast<size_t>(end - number);
      d.parameter.reserve(std::strlen(p.rowName) + n + std::strlen(p.label));
      d.parameter.append(p.rowName).append(number, n);
    }
    d.parameter.append(p.label);
    d.value = ToUtf8(va);
    d.defaultValue = ToUtf8(vb);
    d.locator.tab = tab.tab;
    d.locator.tabObject = tab.object;
    d.locator.control = p.control;
    if (p.rowName) {
      d.locator.row = p.number;
      d.locator.column = p.column;
    }
  }

  const T_Command_DEVICE& a;
  const T_Command_DEVICE& b;
  const DiffOptions& options;
  const bool all;

 private:
  std::vector<ConfigParameter>& out_;
};

// "Общие" with the two groups of "Режимы" moved onto it, top to bottom.
void DiffCommon(Differ& d) {
  const TabInfo& t = kCommonTab;
  const T_Command_DEVICE& a = d.a;
  const T_Command_DEVICE& b = d.b;
  d.Text(t, {"Ключ шифрования конфигурации", "E_Common_KEY"}, a.GetFileKey(), b.GetFileKey());
  d.Text(t, {"\"Старый\" ключ (для смены ключа)", "E_Common_KEYOld"}, a.GetOldFileKey(), b.GetOldFileKey());
  d.Text(t, {"Пароль администратора", "E_Common_Password"}, a.GetPasswordCommand(), b.GetPasswordCommand());
  d.Flag(t, {"При снятии сначала выполняется сброс пожарных шлейфов и сирены", "CB_Mode_UnlockMode"},
         a.GetKeyDisarmMode(), b.GetKeyDisarmMode());
  d.Flag(t, {"Формировать сообщение \"ВХОД\" при нарушении шлейфа с задержкой", "CB_Mode_EnterEnable"},
         a.GetEntryMessageEnabled(), b.GetEntryMessageEnabled());
  d.Flag(t, {"Запрещена постановка на охрану при отсутствии связи с УТ", "CB_Mode_LockNoIP"},
         a.GetArmWithoutGprs(), b.GetArmWithoutGprs());
  d.Flag(t, {"разрешено ведение LOG-файла", "CB_Mode_LogEnable"}, a.GetLogFileEnabled(), b.GetLogFileEnabled());
  d.Number(t, {"Датчик удара/наклона", "TB_Mode_Accel"}, a.GetAccelSensitivity(), b.GetAccelSensitivity());
  d.Text(t, {"Тип подключения входа \"резерв\"", "CB_Mode_PowerOffMode"},
         BackupSignalText(a.GetBackupSignalMethod()), BackupSignalText(b.GetBackupSignalMethod()));
}

void DiffIndication(Differ& d) {
  const TabInfo& t = kIndicTab;
  const T_Command_DEVICE& a = d.a;
  const T_Command_DEVICE& b = d.b;
  d.Number(t, {"Время работы выносного индикатора", "E_Indic_ExtIndic"}, a.GetIndicatorTime(),
           b.GetIndicatorTime());
  d.Text(t, {"Привязка выносного индикатора к разделам", "CB_Indic_Zone"},
         IndicatorPartitionText(a.GetIndicatorPartition()), IndicatorPartitionText(b.GetIndicatorPartition()));
  d.Number(t, {"Уровень громкости встроенного зуммера", "TB_Indic_IntZummer"}, a.GetBuzzerVolume(),
           b.GetBuzzerVolume());
  d.Number(t, {"Время работы сирены", "E_Indic_Sirena"}, a.GetSirenTime(), b.GetSirenTime());
  d.Ranges(t, {"Привязка сирены к разделам", "SG_Indic_Sirena_Parts"}, a.GetSirenPartitions(),
           b.GetSirenPartitions());
}

void DiffPartitions(Differ& d) {
  for (int p = 1; p <= kPartitionCount; ++p) {
    d.Number(kPartsTab, {"Задержка на выход (секунды)", "SG_Parts", "Раздел", p, 1}, d.a.GetExitDelay(p),
             d.b.GetExitDelay(p));
  }
}

// A grid of typed rows (loops, relays) as its tab shows it: column 1 the
// type's name, then the given columns in order.
template <class Row>
struct TypedGrid {
  const char* control;
  const char* rowName;
  int rows;
  Row (*rowOf)(const T_Command_DEVICE&, int);
  const char* typeHeader;
  std::initializer_list<std::pair<const char*, std::string Row::*>> columns;
};

template <class Row>
void DiffTypedRows(Differ& d, const TabInfo& t, const TypedGrid<Row>& g) {
  for (int i = 1; i <= g.rows; ++i) {
    const Row ra = g.rowOf(d.a, i);
    const Row rb = g.rowOf(d.b, i);
    d.Text(t, {g.typeHeader, g.control, g.rowName, i, 1}, CatalogueName(ra.typeText), CatalogueName(rb.typeText));
    int column = 2;
    for (const auto& [header, text] : g.columns) {
      d.Text(t, {header, g.control, g.rowName, i, column++}, ra.*text, rb.*text);
    }
  }
}

// The loops grid as redrawn: a type's delay and partition cells may be empty.
void DiffLoops(Differ& d) {
  const TabInfo& t = kLoopsTab;
  DiffTypedRows<LoopRow>(d, t, {"SG_Shleifs", "Шлейф", kLoopCount, LoopRowForRedraw, "Тип шлейфа",
                                {{"Задержка (сек.)", &LoopRow::delay},
                                 {"Псевдоним", &LoopRow::name},
                                 {"Раздел", &LoopRow::partition}}});
  d.Text(t, {"Число повторов тревог по каждому шлейфу", "CB_Shleif_AlarmRepeat"},
         AlarmRepeatText(d.a.GetAlarmRepeats()), AlarmRepeatText(d.b.GetAlarmRepeats()));
}

void DiffRelays(Differ& d) {
  const TabInfo& t = kRelaysTab;
  DiffTypedRows<RelayRow>(d, t, {"SG_Reles", "Реле", kRelayCount, RelayRowOf, "Тип реле",
                                 {{"Время работы (сек.)", &RelayRow::time}, {"Разделы", &RelayRow::partitions}}});
  d.Flag(t, {"Активация реле при нарушении шлейфа КТС", "CB_Rele_ActiveKTS"}, d.a.GetPanicRelayEnabled(),
         d.b.GetPanicRelayEnabled());
  d.Flag(t, {"Активация реле при нарушении тампера", "CB_Rele_ActiveTamper"}, d.a.GetTamperRelayEnabled(),
         d.b.GetTamperRelayEnabled());
}

// 250 rows: the raw values are compared first, texts are made only for the
// rows that differ.
void DiffKeys(Differ& d) {
  const TabInfo& t = kKeysTab;
  const bool clear = d.options.showCodes;
  for (int k = 1; k <= kKeyCount; ++k) {
    // Short strings: these copies stay in place (no allocation).
    if (d.all || d.a.GetKeyNameText(k) != d.b.GetKeyNameText(k)) {
      d.Text(t, {"Пользователь", "SG_Keys", "Ключ", k, 1}, d.a.GetKeyName(k), d.b.GetKeyName(k));
      const int ma = d.a.GetKeyMode(k);
      const int mb = d.b.GetKeyMode(k);
      if (d.all || ma != mb) {
        d.Add(t, {"Режим работы", "SG_Keys", "Ключ", k, 2}, CatalogueName(KeyModeText(ma)),
              CatalogueName(KeyModeText(mb)), ma != mb);
      }
    }
    const std::string ca = d.a.GetKeyCode(k);
    const std::string cb = d.b.GetKeyCode(k);
    if (d.all || ca != cb) {
      d.Add(t, {"Код управления", "SG_Keys", "Ключ", k, 3}, KeyCodeShown(ca, clear), KeyCodeShown(cb, clear),
            ca != cb);
    }
    d.Ranges(t, {"Разделы", "SG_Keys", "Ключ", k, 4}, d.a.GetKeyPartitions(k), d.b.GetKeyPartitions(k));
  }
}

}  // namespace

const char* DiffTabName(DiffTab tab) {
  switch (tab) {
    case DiffTab::Common: return kCommonTab.name;
    case DiffTab::Indication: return kIndicTab.name;
    case DiffTab::Partitions: return kPartsTab.name;
    case DiffTab::Loops: return kLoopsTab.name;
    case DiffTab::Relays: return kRelaysTab.name;
    case DiffTab::Keys: return kKeysTab.name;
  }
  return "";
}

std::string KeyCodeShown(const std::string& code, bool showCodes) {
  if (showCodes) return code;
  if (code.empty() || code == kZeroCode) return std::string();
  return kMaskedCode;
}

namespace {

std::vector<ConfigParameter> Walk(const T_Command_DEVICE& a, const T_Command_DEVICE& b,
                                  const DiffOptions& options, bool listAll) {
  std::vector<ConfigParameter> out;
  // Room for every parameter at once: growing a vector of this many
  // entries costs more than the entries themselves.
  out.reserve(kParameterCount);
  Differ d(a, b, options, listAll, out);
  DiffCommon(d);
  DiffIndication(d);
  DiffPartitions(d);
  DiffLoops(d);
  DiffRelays(d);
  DiffKeys(d);
  return out;
}

}  // namespace

std::vector<ConfigDifference> DiffConfigurations(const T_Command_DEVICE& a, const T_Command_DEVICE& b,
                                                 const DiffOptions& options) {
  std::vector<ConfigParameter> walked = Walk(a, b, options, false);
  std::vector<ConfigDifference> out(walked.size());
  for (size_t i = 0; i < walked.size(); ++i) {
    ConfigParameter& p = walked[i];
    ConfigDifference& d = out[i];
    d.tab = p.tab;
    d.tabName = p.tabName;
    d.parameter = std::move(p.parameter);
    d.valueA = std::move(p.value);
    d.valueB = std::move(p.defaultValue);
    d.locator = p.locator;
  }
  return out;
}

std::vector<ConfigParameter> ListParameters(const T_Command_DEVICE& model, const DiffOptions& options) {
  T_Command_DEVICE defaults;
  defaults.SetDefaults();
  return Walk(model, defaults, options, true);
}

}  // namespace kestrin
