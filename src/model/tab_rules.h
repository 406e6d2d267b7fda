#pragma once
// Row rules of the loop, relay and key tables, as pure operations over the
// model. Each save stores into the model and returns what the row's cells
// must show afterwards, so the window only copies texts and editor choices.
#include <string>

#include "model/device.h"
#include "model/type_codes.h"

namespace kestrin {

// Which editor a partitions cell of the relay table uses.
enum class RelayPartEditor { kNone, kCheckList, kList };

struct LoopRow {
  std::string typeText;   // catalogue text, name|help
  std::string delay;      // empty when the type has no delay
  bool delayEditable = false;
  std::string name;       // as shown: at most the first 250 bytes of the model's
  std::string partition;  // empty when the loop is in no partition
  bool partitionEditable = false;
};

struct RelayRow {
  std::string typeText;
  std::string time;       // empty when the type has no time
  bool timeEditable = false;
  std::string partitions; // ranges text
  RelayPartEditor partEditor = RelayPartEditor::kNone;
};

// The row as a redraw shows it (an unused loop keeps its partition editable).
LoopRow LoopRowForRedraw(const T_Command_DEVICE& m, int loop);
// The row as it stands right after a save of that row.
LoopRow LoopRowAfterSave(const T_Command_DEVICE& m, int loop);

LoopRow Shleifs_SaveType(T_Command_DEVICE& m, int loop, int type);
LoopRow Shleifs_SaveDelay(T_Command_DEVICE& m, int loop, int seconds);
LoopRow Shleifs_SavePart(T_Command_DEVICE& m, int loop, int partition);
LoopRow Shleifs_SaveName(T_Command_DEVICE& m, int loop, const std::string& name);

RelayRow RelayRowOf(const T_Command_DEVICE& m, int relay);
RelayRow Reles_SaveType(T_Command_DEVICE& m, int relay, int type);
RelayRow Reles_SaveDelay(T_Command_DEVICE& m, int relay, int seconds);
RelayRow Reles_SaveParts(T_Command_DEVICE& m, int relay, PartitionSet set);

// The type rules of every loop and relay row, as unloading the tabs applies
// them (Shleifs_SaveType, Reles_SaveType with each row's own type).
void EnforceRowRules(T_Command_DEVICE& m);

// Alarm repetition count <-> list position: "Все" (0) stands for 0 and for
// any count outside 1..9.
int AlarmRepeatIndex(int count);

// A decimal field's text as stored: empty gives 0; digits beyond int range
// are clamped rather than wrapped.
int FieldNumber(const std::string& text);

// Partitions named by a ranges text ("1-3,5"); numbers above maxItem ignored.
PartitionSet ParseRangesText(const std::string& text, int maxItem = 8);

// Key codes.
extern const char kMaskedCode[];  // "************"
extern const char kZeroCode[];    // "000000000000"
// What the code editor stores for a typed text: "*" anywhere masks it,
// shorter texts are right-padded with "0" to 12 characters.
std::string NormalizeKeyCodeText(const std::string& text);
// First key (1..250) other than skipKey whose code equals the code; empty,
// all-zero and masked codes are never compared. 0 when there is none.
int FindDuplicateKeyCode(const T_Command_DEVICE& m, const std::string& code, int skipKey = 0);
// Stores a typed code unless another key already holds it; returns 0 when
// stored, else the number of the key that holds it.
int Keys_SaveCode(T_Command_DEVICE& m, int key, const std::string& text);
// The code with its trailing "0" removed (the editor's initial text).
std::string KeyCodeSignificant(const std::string& code);
// Longest name the name editor accepts for a key of that mode.
int KeyNameMaxLength(int mode);

}  // namespace kestrin
