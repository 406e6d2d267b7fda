#include "files/file_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/config_load.h"
#include "files/container.h"
#include "files/file_bytes.h"
#include "files/paths.h"
#include "files/workflow.h"
#include "model/codec.h"

namespace kestrin {

namespace fs = std::filesystem;

namespace {

bool HasExtension(const std::string& name, const char* ext) {
  const size_t n = 4;
  return name.size() >= n && LowerLatin(name.substr(name.size() - n)) == ext;
}

int CompareBytes(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

std::vector<std::string> FindConfigFiles(const std::string& folderUtf8, bool containers) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(PathFromUtf8(folderUtf8), fs::directory_options::skip_permission_denied, ec);
  if (ec) return names;
  const char* ext = containers ? ".cry" : ".ini";
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::error_code typeEc;
    if (it->is_directory(typeEc)) continue;
    std::string name = Utf8FromPath(it->path().filename());
    if (HasExtension(name, ext)) names.push_back(std::move(name));
  }
  return names;
}

std::string JoinListPath(const std::string& folderUtf8, const std::string& nameUtf8) {
  if (folderUtf8.empty()) return nameUtf8;
  return Utf8FromPath(PathFromUtf8(folderUtf8) / PathFromUtf8(nameUtf8));
}

int CompareListRows(const FileListRow& a, const FileListRow& b, int column) {
  switch (column) {
    case kListColumnKind:
      return static_cast<int>(a.kind) - static_cast<int>(b.kind);
    case kListColumnAlias:
      return CompareBytes(UpperCp1251(a.alias), UpperCp1251(b.alias));
    case kListColumnId:
      return CompareBytes(UpperCp1251(a.identifier), UpperCp1251(b.identifier));
    case kListColumnFile:
      return CompareBytes(UpperCp1251(Utf8ToCp1251(a.fileName)), UpperCp1251(Utf8ToCp1251(b.fileName)));
    default:
      return 0;
  }
}

std::string ListCounterText(int selected, size_t rows) {
  const int position = selected < 0 ? 0 : selected + 1;
  return std::to_string(position) + " из " + std::to_string(rows);
}

FileList::FileList(T_Command_DEVICE& scratch, TextBuffer* text)
    : scratch_(scratch), text_(text ? text : &ownText_) {}

void FileList::Clear() {
  rows_.clear();
  firstUntested_ = 0;
  std::fill(std::begin(headers_), std::end(headers_), kHeaderNeutral);
}

void FileList::Open(const std::string& folderUtf8) {
  Clear();
  folder_ = folderUtf8;
  for (bool containers : {false, true}) {
    const auto names = FindConfigFiles(folderUtf8, containers);
    int n = 0;
    for (const auto& name : names) {
      ++n;
      Add(name, containers ? FileKind::Container : FileKind::Plain, n <= kListTestAtOnce);
    }
  }
}

void FileList::Add(const std::string& name, FileKind kind, bool testNow) {
  FileListRow row;
  row.kind = kind;
  row.fileName = name;
  row.alias = kListAliasPlaceholder;
  row.identifier = kListIdPlaceholder;
  row.found = rows_.size();
  rows_.push_back(std::move(row));
  if (testNow) TestRow(rows_.size() - 1);
}

std::string FileList::PathOf(size_t index) const {
  return index < rows_.size() ? JoinListPath(folder_, rows_[index].fileName) : std::string();
}

void FileList::TestPlain(FileListRow& row) {
  // Parsing the file is the test; the scratch model keeps the result.
  std::string key;
  TLexPipe pipe;
  T_Command command;
  if (LoadConfigFile(JoinListPath(folder_, row.fileName), nullptr, key, *text_, pipe, command, scratch_) !=
      LoadStatus::Loaded)
    row.unreadable = true;
}

void FileList::TestContainer(FileListRow& row) {
  std::string bytes;
  if (ReadFileBytes(JoinListPath(folder_, row.fileName), bytes, kContainerHeaderProbeBytes, true) !=
      ReadStatus::Ok) {
    row.unreadable = true;
    return;
  }
  const ContainerHeader h = ParseContainerHeader(bytes);
  // The plain fields count only when more than 22 bytes follow the line break.
  if (h.matches && h.complete && bytes.size() > h.bodyOffset) {
    row.alias = ContainerAliasText(h.alias);
    row.identifier = FormatContainerId(h.identifier);
  } else {
    row.identifier = FormatContainerId("");
  }
}

void FileList::TestRow(size_t index) {
  if (index >= rows_.size()) return;
  FileListRow& row = rows_[index];
  row.alias.clear();
  row.identifier.clear();
  row.unreadable = false;
  if (row.kind == FileKind::Container)
    TestContainer(row);
  else
    TestPlain(row);
  // Marked tested even when unreadable, so the timer never retries it.
  row.tested = true;
}

std::vector<size_t> FileList::Tick() {
  std::vector<size_t> tested;
  while (firstUntested_ < rows_.size() && rows_[firstUntested_].tested) ++firstUntested_;
  for (size_t i = firstUntested_; i < rows_.size() && tested.size() < static_cast<size_t>(kListTestsPerTick); ++i) {
    if (rows_[i].tested) continue;
    TestRow(i);
    tested.push_back(i);
  }
  return tested;
}

void FileList::TestAll() {
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (!rows_[i].tested) TestRow(i);
  }
  firstUntested_ = rows_.size();
}

bool FileList::HasUntested() const {
  for (size_t i = firstUntested_; i < rows_.size(); ++i) {
    if (!rows_[i].tested) return true;
  }
  return false;
}

void FileList::SortBy(int column, int direction) {
  if (column < 0 || column >= kListColumnCount) return;
  std::stable_sort(rows_.begin(), rows_.end(), [&](const FileListRow& a, const FileListRow& b) {
    return CompareListRows(a, b, column) * direction < 0;
  });
  firstUntested_ = 0;  // untested rows may now sit anywhere
}

void FileList::Sort(int column) {
  if (column < 0 || column >= kListColumnCount) return;
  direction_ = -direction_;
  SortBy(column, direction_);
  for (int c = 0; c < kListColumnCount; ++c) headers_[c] = kHeaderNeutral;
  headers_[column] = direction_ < 0 ? kHeaderDescending : kHeaderAscending;
}

int FileList::HeaderImage(int column) const {
  return column >= 0 && column < kListColumnCount ? headers_[column] : kHeaderNeutral;
}

int FileList::IndexOfFound(size_t found) const {
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].found == found) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace kestrin
