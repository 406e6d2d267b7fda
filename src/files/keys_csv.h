#pragma once
// The 250 keys as a table a spreadsheet program opens: export, and an import
// judged by the keys tab's rules. Qt-free; the window and kestrin-cfg share it.
//
// Window use:
//   KeysCsvImport r = ImportKeysCsv(fileBytes, model);
//   if (!r.Ok()) show r.errors (UTF-8 lines) in the error dialog;
//   else if (!r.changedKeys.empty()) redraw the keys grid, mark one change.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/device.h"

namespace kestrin {

// Column titles, as the keys grid heads them (UTF-8).
extern const std::array<const char*, 5> kKeysCsvColumns;

// Error lines kept; further bad rows are only counted.
constexpr int kKeysCsvMaxErrors = 20;

// One key's row as the grid shows it, Windows-1251: number, name, mode name,
// code as stored (a masked code stays masked), partitions as ranges.
std::array<std::string, 5> KeyRowTexts(const T_Command_DEVICE& model, int key);

// True when the key's row reads like a key fresh from the defaults.
bool IsDefaultKeyRow(const T_Command_DEVICE& model, int key);

// UTF-8 with a byte-order mark, ";" between fields, CR LF after every row:
// the header, then every key whose row differs from a default key's row
// (all 250 with all set).
std::string ExportKeysCsv(const T_Command_DEVICE& model, bool all = false);

struct KeysCsvImport {
  std::vector<std::string> errors;  // "строка N: why", UTF-8, at most kKeysCsvMaxErrors
  int badRows = 0;                  // every bad row, also those beyond the lines kept
  std::vector<int> changedKeys;     // ascending; empty when nothing differed
  bool Ok() const { return badRows == 0; }
};

// Reads the table (";", "," or TAB; UTF-8 with or without the mark, or
// Windows-1251) and judges every row. When every row is good the values are
// set in the model; on any bad row the model is left untouched. Keys the
// table does not name, and columns it lacks, keep their values; a masked
// code keeps the key's code; a value equal to the key's own is kept as it is.
KeysCsvImport ImportKeysCsv(std::string_view bytes, T_Command_DEVICE& model);

}  // namespace kestrin
