// Any bytes as a keys table into a configuration: a refused table leaves the
// model as it was and names at most 20 rows; an accepted one, exported again,
// must import as no change at all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/keys_csv.h"
#include "model/writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrin;
  T_Command_DEVICE model;
  model.SetDefaults();
  model.SetKeyCode(1, "ABCD");
  const std::string before = WriteConfigTextCrLf(model);
  const std::string table(reinterpret_cast<const char*>(data), size);
  KeysCsvImport r = ImportKeysCsv(table, model);
  if (!r.Ok()) {
    if (r.errors.empty() || r.errors.size() > static_cast<size_t>(kKeysCsvMaxErrors)) std::abort();
    if (WriteConfigTextCrLf(model) != before) std::abort();
    return 0;
  }
  const std::string after = WriteConfigTextCrLf(model);
  KeysCsvImport again = ImportKeysCsv(ExportKeysCsv(model, true), model);
  if (!again.Ok() || !again.changedKeys.empty() || WriteConfigTextCrLf(model) != after) std::abort();
  return 0;
}
