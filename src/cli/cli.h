#pragma once
// kestrin-cfg: the command-line companion. Commands are plain functions over a
// context so tests can run them in-process.
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
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
// with '-' is an error (reported on err, returns nullopt).
std::optional<Options> ParseOptions(Context& ctx, const std::vector<std::string>& valueOptions,
                                    const std::vector<std::string>& flagOptions);

// A message pair on standard error: what happened, what to do.
void PrintPair(Context& ctx, const std::string& what, const std::string& todo);
void PrintPair(Context& ctx, const MessagePair& pair);

// Writes bytes to -o FILE (the context's writer: links followed, devices written
// into, write-protected files refused) or to standard output. False on
// failure (reported, for standard output by Run).
bool EmitOutput(Context& ctx, const Options& opts, const std::string& bytes);

// Reads a configuration file (plain or, with a key, a container) into lines
// as the text buffer holds them. On failure the message pair is printed and
// the exit status returned; 0 on success.
int LoadInputText(Context& ctx, const std::string& path, const Options& opts, std::string& text);

// The key of --key, reading standard input for "-". Empty optional: no --key.
std::optional<std::string> KeyOption(Context& ctx, const Options& opts);

}  // namespace kestrin::cli
