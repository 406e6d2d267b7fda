// Any bytes through the text buffer, the reader and the writer; the written
// text must read back to a model that writes the same text again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/reader.h"
#include "model/text_buffer.h"
#include "model/writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrin;
  TextBuffer buffer;
  buffer.SetBytes(std::string(reinterpret_cast<const char*>(data), size));
  T_Command_DEVICE model;
  LoadConfigText(buffer.Text(), model);
  std::string written = WriteConfigTextCrLf(model);
  T_Command_DEVICE back;
  LoadConfigText(written, back);
  std::string again = WriteConfigTextCrLf(back);
  // One pass settles everything the format cannot carry (dots, limits, blanks);
  // after that the text must be a fixed point.
  T_Command_DEVICE third;
  LoadConfigText(again, third);
  if (WriteConfigTextCrLf(third) != again) std::abort();
  // The raw text straight into the reader as well (no line-end repair).
  T_Command_DEVICE raw;
  LoadConfigText(std::string(reinterpret_cast<const char*>(data), size), raw);
  return 0;
}
