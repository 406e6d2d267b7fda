#ifdef _WIN32
#include "cli/cli_windows.h"

#include "files/windows_api.h"
// shellapi.h needs windows.h first.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <iostream>
#include <streambuf>

#include "cli/cli.h"
#include "files/wide_text.h"

namespace kestrin::cli {

std::vector<std::string> ArgsFromCommandLine(const wchar_t* commandLine) {
  std::vector<std::string> args;
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(commandLine, &argc);
  if (!argv) return args;
  for (int i = 1; i < argc; ++i) args.push_back(Utf8FromWide(argv[i]));
  LocalFree(argv);
  return args;
}

namespace {

bool IsConsole(HANDLE h) {
  DWORD mode = 0;
  return h != INVALID_HANDLE_VALUE && h != nullptr && GetConsoleMode(h, &mode);
}

// Length of the longest prefix of bytes that does not end inside a UTF-8
// sequence, so a character split between two flushes is written whole.
size_t CompleteUtf8Prefix(const std::string& bytes) {
  size_t end = bytes.size();
  size_t back = 0;
  while (back < 3 && back < end && (static_cast<unsigned char>(bytes[end - 1 - back]) & 0xC0) == 0x80) ++back;
  if (back >= end) return end;
  const auto lead = static_cast<unsigned char>(bytes[end - 1 - back]);
  const size_t want = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return want > back + 1 ? end - 1 - back : end;
}

// Output to a standard handle: UTF-16 through WriteConsoleW when it is a
// console, the bytes unchanged otherwise.
class HandleOutBuf : public std::streambuf {
 public:
  explicit HandleOutBuf(DWORD which) : handle_(GetStdHandle(which)), console_(IsConsole(handle_)) {}
  ~HandleOutBuf() override { sync(); }

 protected:
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) pending_.push_back(static_cast<char>(c));
    if (pending_.size() >= 65536) sync();
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    pending_.append(s, static_cast<size_t>(n));
    if (pending_.size() >= 65536) sync();
    return n;
  }
  int sync() override {
    if (pending_.empty() || handle_ == INVALID_HANDLE_VALUE || handle_ == nullptr) return 0;
    DWORD done = 0;
    if (console_) {
      const size_t whole = CompleteUtf8Prefix(pending_);
      const std::wstring wide = WideFromUtf8(std::string_view(pending_).substr(0, whole));
      if (!wide.empty()) WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr);
      pending_.erase(0, whole);
      return 0;
    }
    const bool ok = WriteFile(handle_, pending_.data(), static_cast<DWORD>(pending_.size()), &done, nullptr);
    pending_.clear();
    return ok ? 0 : -1;
  }

 private:
  HANDLE handle_;
  bool console_;
  std::string pending_;
};

// Keys typed at a console arrive as UTF-16 and are handed on as UTF-8.
class ConsoleInBuf : public std::streambuf {
 public:
  explicit ConsoleInBuf(HANDLE h) : handle_(h) {}

 protected:
  int_type underflow() override {
    wchar_t wide[512];
    DWORD got = 0;
    if (!ReadConsoleW(handle_, wide, 512, &got, nullptr) || got == 0) return traits_type::eof();
    buffer_ = Utf8FromWide(std::wstring_view(wide, got));
    setg(buffer_.data(), buffer_.data(), buffer_.data() + buffer_.size());
    return traits_type::to_int_type(buffer_[0]);
  }

 private:
  HANDLE handle_;
  std::string buffer_;
};

}  // namespace

int RunWindowsProcess() {
  // Configuration bytes read from a pipe or file must pass unchanged.
  _setmode(_fileno(stdin), _O_BINARY);
  HandleOutBuf outBuf(STD_OUTPUT_HANDLE);
  HandleOutBuf errBuf(STD_ERROR_HANDLE);
  std::ostream out(&outBuf);
  std::ostream err(&errBuf);
  err << std::unitbuf;
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  ConsoleInBuf consoleIn(input);
  std::istream typed(&consoleIn);
  std::istream& in = IsConsole(input) ? typed : std::cin;
  const int code = Run(ArgsFromCommandLine(GetCommandLineW()), out, err, in);
  const bool reported = !out;  // Run has already said so
  out.flush();
  if (!reported && !out) {
    ReportOutputFailure(err);
    return kExitBadInput;
  }
  err.flush();
  return code;
}

}  // namespace kestrin::cli
#endif
