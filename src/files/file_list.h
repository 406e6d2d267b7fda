#pragma once
// The list of configuration files of one folder (*.ini and *.cry): row data,
// the test of each file, the spread of those tests over timer ticks, and the
// sorting by column. Qt-free; the list widget and kestrin-cfg list sit on it.
#include <cstddef>
#include <string>
#include <vector>

#include "model/device.h"
#include "model/text_buffer.h"

namespace kestrin {

enum class FileKind { Plain = 0, Container = 1 };  // the row's image index

// Shown until a row is tested.
inline constexpr char kListAliasPlaceholder[] = "??????????";
// Split so that no "??-" trigraph sequence appears.
inline constexpr char kListIdPlaceholder[] = "????" "-" "????" "-" "????";

// Files of each extension tested while the list is built, and per tick after.
constexpr int kListTestAtOnce = 9;
constexpr int kListTestsPerTick = 2;
constexpr int kListTickMs = 50;

// Header images of the columns.
constexpr int kHeaderNeutral = 2;
constexpr int kHeaderAscending = 3;   // sorted with direction +1
constexpr int kHeaderDescending = 4;  // sorted with direction -1

constexpr int kListColumnKind = 0;
constexpr int kListColumnAlias = 1;
constexpr int kListColumnId = 2;
constexpr int kListColumnFile = 3;
constexpr int kListColumnCount = 4;

struct FileListRow {
  FileKind kind = FileKind::Plain;
  std::string fileName;    // UTF-8, without the folder
  std::string alias;       // Windows-1251: placeholder, alias, or empty
  std::string identifier;  // "XXXX-XXXX-XXXX", placeholder, or empty
  bool tested = false;     // state index 0 when true, -1 when false
  bool unreadable = false; // the test could not read the file
  size_t found = 0;        // position in the order found (stable row identity)
};

// Names (UTF-8) of the folder's files with the extension ".ini" (or ".cry"
// for containers) in any letter case, in the order the file system lists
// them; hidden files included, folders skipped. A missing folder gives none.
std::vector<std::string> FindConfigFiles(const std::string& folderUtf8, bool containers);

// folder + name as a UTF-8 path.
std::string JoinListPath(const std::string& folderUtf8, const std::string& nameUtf8);

// The comparison of one sort column (before the direction is applied):
// 0 compares kinds, 1..3 the alias, identifier and file name upper-cased
// (Windows-1251 letters included) byte by byte. Negative, 0 or positive.
int CompareListRows(const FileListRow& a, const FileListRow& b, int column);

// "N из M" (UTF-8): selected row index + 1 (0 when selected < 0), row count.
std::string ListCounterText(int selected, size_t rows);

class FileList {
 public:
  // Plain files are parsed into scratch; text (optional) keeps the text of
  // the last plain file tested, as the program's text buffer does.
  explicit FileList(T_Command_DEVICE& scratch, TextBuffer* text = nullptr);

  // Rebuilds the rows from the folder: every *.ini, then every *.cry; the
  // first 9 files of each extension tested at once. Header images reset;
  // the sort direction is kept.
  void Open(const std::string& folderUtf8);
  void Clear();

  // One timer tick: tests at most two untested rows, walking from the first.
  // Returns the indexes of the rows tested; fewer than two means the timer
  // must stop.
  std::vector<size_t> Tick();
  // Tests every row still untested (the command-line tool).
  void TestAll();
  // Tests one row now, whatever its state.
  void TestRow(size_t index);
  bool HasUntested() const;

  // Column click: negates the direction, sorts, sets the header images.
  void Sort(int column);
  // Sorts with the given direction without touching the shared one.
  void SortBy(int column, int direction);
  int SortDirection() const { return direction_; }
  int HeaderImage(int column) const;

  const std::vector<FileListRow>& Rows() const { return rows_; }
  const std::string& Folder() const { return folder_; }
  std::string PathOf(size_t index) const;
  // The row index of the file found at position found, or -1.
  int IndexOfFound(size_t found) const;

 private:
  void Add(const std::string& name, FileKind kind, bool testNow);
  void TestPlain(FileListRow& row);
  void TestContainer(FileListRow& row);

  T_Command_DEVICE& scratch_;
  TextBuffer* text_;
  TextBuffer ownText_;
  std::string folder_;
  std::vector<FileListRow> rows_;
  int direction_ = 1;  // +1 at program start, kept across openings
  int headers_[kListColumnCount] = {kHeaderNeutral, kHeaderNeutral, kHeaderNeutral, kHeaderNeutral};
  size_t firstUntested_ = 0;  // every row before it is tested
};

}  // namespace kestrin
