#pragma once
// The program's own settings and the file-name mask. Qt-free; the store that
// reads and writes them lives in files/qt/settings_store.h.
//
// Encoding: the mask texts (MaskPref, MaskDelim1..3, MaskSuff) are
// Windows-1251 bytes like every text of the model, since they are joined with
// the panel's alias and identifier. The folders (ListPathSave,
// ProgramFolder, BackupPath) are file-system paths and are kept in UTF-8.
#include <array>
#include <string>
#include <string_view>

namespace kestrin {

// Kinds of the four elements of the file-name mask.
enum MaskKind : int {
  kMaskEmpty = 0,   // "Пусто"
  kMaskPrefix = 1,  // "Префикс"
  kMaskAlias = 2,   // "Псевдоним"
  kMaskIdent = 3,   // "Идентификатор"
  kMaskSuffix = 4,  // "Постфикс"
};

inline constexpr int kMaskElements = 4;
inline constexpr int kMaskTextMax = 10;   // prefix and suffix, in bytes
inline constexpr int kMaskDelimMax = 1;   // each delimiter, in bytes

// The path delimiter of the platform.
#ifdef _WIN32
inline constexpr char kPathDelimiter = '\\';
#else
inline constexpr char kPathDelimiter = '/';
#endif

struct ProgramSettings {
  bool HideHint = false;
  int PortTM = 0;
  std::string ListPathSave;  // UTF-8; defaults to ProgramFolder
  bool ListModeOpenSave = false;
  bool MaskMode = true;
  std::string MaskPref = "RQX7";
  std::string MaskDelim1 = "_";
  std::string MaskDelim2 = "_";
  std::string MaskDelim3 = "_";
  std::string MaskSuff;
  int MaskIdent1 = kMaskPrefix;
  int MaskIdent2 = kMaskAlias;
  int MaskIdent3 = kMaskIdent;
  int MaskIdent4 = kMaskSuffix;
  std::string ProgramFolder;  // UTF-8, with its trailing delimiter; not stored
  // UTF-8 folder of the panel write's backups; empty: the default under the
  // documents folder (files/panel_write.h). Set in the store only, no control.
  std::string BackupPath;

  // Element n (1..4) kind; 0 for n out of range.
  int MaskIdent(int n) const;
  void SetMaskIdent(int n, int kind);
  // Delimiter n (1..3); empty for n out of range.
  const std::string& MaskDelim(int n) const;
  void SetMaskDelim(int n, std::string delim);

  bool operator==(const ProgramSettings&) const = default;
};

// The defaults of every value, with ListPathSave = programFolder.
ProgramSettings DefaultSettings(const std::string& programFolder);

// The default kind of element n (1..4): n itself.
int DefaultMaskKind(int element);
// A stored kind outside 0..4 reads as the element's default.
int MaskKindOrDefault(int stored, int element);

// The nine characters refused in the prefix, suffix and delimiters: " * / : < > ? \ |
bool IsRefusedMaskChar(char c);
// Drops refused and control characters and cuts to maxBytes: what the dialog
// could have produced. Applied to mask texts read from the store, because a
// hand-edited store must not put a folder part into a proposed file name.
std::string CleanMaskText(std::string_view text, int maxBytes);
// CleanMaskText over the five mask texts and MaskKindOrDefault over the kinds.
void NormalizeSettings(ProgramSettings& settings);

// path with the platform delimiter appended unless it already ends with one;
// an empty path gives a lone delimiter.
std::string WithTrailingDelimiter(std::string path);

// The file name of the mask, ending in ".ini" (every text Windows-1251).
// An empty element adds neither its value nor a delimiter; the delimiter
// before a value is the one after the last non-empty element. A kind outside
// 0..4 counts as empty.
std::string ComposeFileName(const std::array<int, kMaskElements>& kinds, std::string_view prefix,
                            std::string_view alias, std::string_view ident,
                            std::string_view suffix,
                            const std::array<std::string, kMaskElements - 1>& delims);
// The same over the settings' mask.
std::string ComposeFileName(const ProgramSettings& settings, std::string_view alias,
                            std::string_view ident);

// The sample texts of the dialog's example (Windows-1251).
std::string SampleAlias();   // "ПСЕВДОНИМN"
std::string SampleIdent();   // "AAAABBBBCCCC"

}  // namespace kestrin
