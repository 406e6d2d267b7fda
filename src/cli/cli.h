#pragma once
// kestrin-cfg: the command-line companion. Commands are plain functions over a
// context so tests can run them in-process.
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/atomic_file.h"
#include "model/messages.h"

namespace kestrin::cli {

// Exit statuses shared by every command.
constexpr int kExitOk = 0;
constexpr int kExitFound = 1;   // the command found what it reports (e.g. violations)
constexpr int kExitBadInput = 2;
constexpr int kExitWrongKey = 3;

struct Context {
  std::vector<std::string> args;  // after the command name
  std::ostream& out;
  std::ostream& err;
  std::istream& in;
  const FileWriter& writer;  // for -o FILE
};

struct Command {
  const char* name;
  const char* summary;  // one line, UTF-8
  const char* help;     // full help, UTF-8
  int (*run)(Context&);
};

const std::vector<Command>& Commands();

// The one line that reports a failed write or close of standard output.
void ReportOutputFailure(std::ostream& err);

// Runs the tool: argv without the program name. A failed write to out turns
// any outcome into exit 2 with ReportOutputFailure. Files given with -o go
// through writer.
int Run(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err,
        std::istream& in, const FileWriter& writer = FileWriter());

// Parsed options: positional arguments and named options (--key VALUE, -o FILE, flags).
struct Options {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;
  std::vector<std::string> flags;
  bool Has(const std::string& name) const;
  std::optional<std::string> Value(const std::string& name) const;
};

// valueOptions take a value; flagOptions stand alone; anything else starting
// with '-' is an error (reported on err, returns nullopt). After "--" every
// argument is positional. A key option (--key, --key-*) given as "-" is read
// here from standard input, one line each in the order of valueOptions, at
// most kMaxKeyLineBytes and no NUL byte; a longer or NUL-filled line is an
// error. The value then holds the line read.
std::optional<Options> ParseOptions(Context& ctx, const std::vector<std::string>& valueOptions,
                                    const std::vector<std::string>& flagOptions);

// A field of a tab-separated output line: TAB, CR and LF inside it become
// spaces, so that one row stays one line of the same columns.
std::string OutputField(std::string_view text);

// A message pair on standard error: what happened, what to do.
void PrintPair(Context& ctx, const std::string& what, const std::string& todo);
void PrintPair(Context& ctx, const MessagePair& pair);

// Writes bytes to -o FILE (the context's writer: links followed, devices written
// into, write-protected files refused) or to standard output. False on
// failure (reported, for standard output by Run).
bool EmitOutput(Context& ctx, const Options& opts, const std::string& bytes);

// Longest key line read from standard input.
constexpr size_t kMaxKeyLineBytes = 4096;

// The opening failure pair (and its reason) when the file cannot be read at
// all; the exit status, 0 when it can. Asked before any key is used.
int RefuseUnreadable(Context& ctx, const std::string& path, bool container);

// -o naming the container itself (links followed): replacing it with its
// plain text would put the configuration's keys in clear and lose the
// container. Prints the refusal and returns 2; 0 when -o is elsewhere.
int RefuseOutputOverContainer(Context& ctx, const Options& opts, const std::string& container);

// The key of --key ("-" was already read by ParseOptions). Empty optional: no --key.
std::optional<std::string> KeyOption(Context& ctx, const Options& opts);

}  // namespace kestrin::cli
