#pragma once
// Differences between two configurations, parameter by parameter, as the
// parameter tabs show them. Qt-free: the command-line tool prints them, the
// window lists them and brings a difference's control forward.
//
// Texts: every text of a ConfigDifference is UTF-8 (tab names and labels are
// UTF-8 literals, values are converted from the model's Windows-1251), as in
// CheckViolation; the window shows them with QString::fromUtf8.
//
// Wiring in the window (a double click on a listed difference):
//
//   const DiffLocator& at = difference.locator;
//   GotoItem(findChild<QWidget*>(at.tab), findChild<QWidget*>(at.control));
//   and, for a grid cell (at.row > 0), grid->setCurrentCell(at.row - 1, at.column)
//   (the same shape as CheckTarget, so GotoCheckTarget(at.tab, at.control,
//   at.row, at.column) does all of it).
#include <string>
#include <string_view>
#include <vector>

#include "model/device.h"

namespace kestrin {

// Page indices of the tabs that carry parameters, in the page control's order
// ("Режимы" is hidden; its two groups stand on "Общие").
enum class DiffTab { Common = 0, Indication = 2, Partitions = 3, Loops = 4, Relays = 5, Keys = 6 };

// Where the control of a parameter is: tab sheet and control objectNames; for
// a grid also the row (the item's number, header row 0) and the column;
// -1 when the control is not a grid cell.
// The names are literals that live as long as the program.
struct DiffLocator {
  DiffTab tab = DiffTab::Common;
  const char* tabObject = "";  // "Tab_Shleifs"
  const char* control = "";    // "SG_Shleifs"
  int row = -1;
  int column = -1;
};

struct ConfigDifference {
  DiffTab tab = DiffTab::Common;
  const char* tabName = "";  // UTF-8 literal, the tab's caption: "Шлейфы"
  std::string parameter;     // UTF-8, row and column or label: "Шлейф 3: Псевдоним"
  std::string valueA;        // UTF-8, as the tab shows the value of the first configuration
  std::string valueB;        // UTF-8, the same for the second
  DiffLocator locator;
};

// One parameter of the list of every parameter: its value as the tab shows
// it and the default as the tab would show it (UTF-8, as in ConfigDifference).
struct ConfigParameter {
  DiffTab tab = DiffTab::Common;
  const char* tabName = "";
  std::string parameter;
  std::string value;
  std::string defaultValue;
  // The stored value differs from the default (for a masked key code the
  // shown texts may agree while the codes do not).
  bool changed = false;
  DiffLocator locator;
};

struct DiffOptions {
  // Key codes in clear; otherwise shown as the keys tab shows them while
  // "Показывать коды" is off. Codes are compared in clear either way.
  bool showCodes = false;
};

// Every parameter the shown tabs present whose shown text differs between a
// and b (key codes: whose stored code differs), in the order of the tabs and,
// within a tab, top to bottom and row by row, left to right. Empty when the
// tabs would show the same configuration.
std::vector<ConfigDifference> DiffConfigurations(const T_Command_DEVICE& a, const T_Command_DEVICE& b,
                                                 const DiffOptions& options = {});

// Every parameter the shown tabs present, in the order of DiffConfigurations,
// against the default configuration (key fields empty, as after a reset).
std::vector<ConfigParameter> ListParameters(const T_Command_DEVICE& model, const DiffOptions& options = {});

// The find text of the parameter list: every word of it (blank-separated)
// occurs in the tab's name, the parameter's name or its value, letter case
// ignored (Cyrillic, "Ё" included). An empty text matches every parameter; a
// word with a character Windows-1251 lacks matches none.
class ParameterFilter {
 public:
  explicit ParameterFilter(std::string_view utf8Text);
  bool Matches(const ConfigParameter& p) const;

 private:
  std::vector<std::string> words_;  // Windows-1251, lower case
  bool representable_ = true;
};

// UTF-8 caption of a tab ("Общие", "Индикация", ...).
const char* DiffTabName(DiffTab tab);

// A key code as the keys grid shows it (Windows-1251 in, same out): in clear,
// or masked: nothing for an empty or all-zero code, else twelve "*".
std::string KeyCodeShown(const std::string& code, bool showCodes);

}  // namespace kestrin
