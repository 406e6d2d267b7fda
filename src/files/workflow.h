#pragma once
// The window-free half of opening, saving and writing to the panel: status
// line texts and the lock rule, the window title, the start-up file, the key
// completion after a load, and the panel's clock file.
#include <string>
#include <vector>

#include "files/paths.h"  // IsContainerPath, for the window
#include "model/command.h"
#include "model/device.h"
#include "model/lexer.h"
#include "model/messages.h"
#include "model/row_colours.h"
#include "model/text_buffer.h"

namespace kestrin {

// Status line kinds: defaults, a saved file, a panel's container from the list.
enum StatusKind { kStatusDefault = 0, kStatusSaved = 1, kStatusDevice = 2 };

inline constexpr Rgb kStatusGreen = MakeRgb(0, 128, 0);
inline constexpr Rgb kStatusRed = MakeRgb(255, 0, 0);

// What the status line shows. Texts are Windows-1251 bytes.
struct StatusLine {
  std::string text;
  Rgb colour = kStatusGreen;
  bool readOnly = false;  // lock.txt beside the file: writing to the panel withdrawn
};

// The text of one kind; version and date are Windows-1251 (the date already in
// the system's short format). A version over 100 bytes is cut there and
// ends in "...". Kinds outside 0..2 give an empty text.
std::string StatusText(int kind, const std::string& date, const std::string& version);

// lock.txt in the folder of the UTF-8 path; false for an empty path.
bool LockFileBeside(const std::string& path);

// The whole rule: text by kind, then red and "(только чтение)" when locked.
StatusLine ComposeStatusLine(int kind, const std::string& date, const std::string& version,
                             bool locked);

// Window title (UTF-8) with the path of the loaded file, or none.
std::string WindowTitle(const std::string& pathUtf8);

// The 21 bytes of the panel's clock file, no line end.
const std::string& ClockFileBytes();

// Command line (program name excluded): at most two parameters are looked at.
struct StartupArgs {
  bool debug = false;
  std::string path;  // empty: the default file of the working folder
};
StartupArgs ParseCommandLine(const std::vector<std::string>& args);

// The file to load at start: the given path, else config.ini of the folder,
// else config.cry of the folder (even when neither exists: the caller tests).
std::string StartupFile(const StartupArgs& args, const std::string& workFolder);

// Key completion after a read: an empty key takes the old key, else the given
// key; an empty old key takes the given key. Keys are Windows-1251.
void CompleteKeys(T_Command_DEVICE& model, const std::string& key);

// Defaults, the reader over the whole text buffer, then the key completion.
void LoadModelFromText(T_Command_DEVICE& model, const TextBuffer& text, TLexPipe& pipe,
                       T_Command& scratch, const std::string& key);

// Proposed save name: the composed mask name when the mask is on, else config.ini.
std::string ProposedSaveName(bool maskMode, const std::string& composed);

}  // namespace kestrin
