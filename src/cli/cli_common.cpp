#include <algorithm>
#include <filesystem>
#include <istream>
#include <ostream>

#include "cli/cli.h"
#include "cli/container_input.h"
#include "files/atomic_file.h"
#include "files/file_bytes.h"
#include "files/workflow.h"
#include "files/paths.h"
#include "model/codec.h"
#include "model/text_buffer.h"

namespace kestrin::cli {

bool Options::Has(const std::string& name) const {
  return values.count(name) != 0 || std::find(flags.begin(), flags.end(), name) != flags.end();
}

std::optional<std::string> Options::Value(const std::string& name) const {
  auto it = values.find(name);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

namespace {

bool IsKeyOption(const std::string& name) { return name == "--key" || name.rfind("--key-", 0) == 0; }

// One line of standard input as a key: at most kMaxKeyLineBytes, no NUL byte
// (a key is typed text; /dev/zero or a binary file given by mistake must not
// be read without end). The line break (LF, CR LF) is not part of the key.
bool ReadKeyLine(Context& ctx, const std::string& option, std::string& key) {
  key.clear();
  for (;;) {
    const int c = ctx.in.get();
    if (c == std::char_traits<char>::eof() || c == '\n') break;
    if (c == 0) {
      ctx.err << "kestrin-cfg: ключ " << option << " из стандартного ввода содержит нулевой байт\n";
      return false;
    }
    if (key.size() >= kMaxKeyLineBytes) {
      ctx.err << "kestrin-cfg: ключ " << option << " из стандартного ввода длиннее " << kMaxKeyLineBytes
              << " байт\n";
      return false;
    }
    key += static_cast<char>(c);
  }
  if (!key.empty() && key.back() == '\r') key.pop_back();
  return true;
}

}  // namespace

std::optional<Options> ParseOptions(Context& ctx, const std::vector<std::string>& valueOptions,
                                    const std::vector<std::string>& flagOptions) {
  Options opts;
  const auto& a = ctx.args;
  bool optionsEnded = false;
  for (size_t i = 0; i < a.size(); ++i) {
    const std::string& s = a[i];
    if (!optionsEnded && s == "--") {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && s.size() > 1 && s[0] == '-') {
      if (std::find(valueOptions.begin(), valueOptions.end(), s) != valueOptions.end()) {
        if (i + 1 >= a.size()) {
          ctx.err << "kestrin-cfg: у параметра " << s << " нет значения\n";
          return std::nullopt;
        }
        opts.values[s] = a[++i];
        continue;
      }
      if (std::find(flagOptions.begin(), flagOptions.end(), s) != flagOptions.end()) {
        opts.flags.push_back(s);
        continue;
      }
      ctx.err << "kestrin-cfg: неизвестный параметр " << s << "\n";
      return std::nullopt;
    }
    opts.positional.push_back(s);
  }
  // Keys given as "-" come from standard input, one line each, in the order
  // the command lists its key options.
  for (const std::string& name : valueOptions) {
    auto it = opts.values.find(name);
    if (it == opts.values.end() || !IsKeyOption(name) || it->second != "-") continue;
    if (!ReadKeyLine(ctx, name, it->second)) return std::nullopt;
  }
  return opts;
}

std::string OutputField(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

void PrintPair(Context& ctx, const std::string& what, const std::string& todo) {
  ctx.err << what << "\n" << todo << "\n";
}

void PrintPair(Context& ctx, const MessagePair& pair) { PrintPair(ctx, pair.message, pair.recommendation); }

bool EmitOutput(Context& ctx, const Options& opts, const std::string& bytes) {
  if (auto target = opts.Value("-o")) {
    const WriteResult r = ctx.writer.Replace(*target, bytes);
    if (r != WriteResult::Ok) {
      const MessagePair& pair = WriteFailurePair(r);
      PrintPair(ctx, pair);
      return false;
    }
    return true;
  }
  // A failure here is reported once, by Run.
  ctx.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ctx.out.flush();
  return static_cast<bool>(ctx.out);
}

std::optional<std::string> KeyOption(Context&, const Options& opts) { return opts.Value("--key"); }

int RefuseUnreadable(Context& ctx, const std::string& path, bool container) {
  const ReadStatus st = CheckConfigFileReadable(path, container);
  if (st == ReadStatus::Ok) return kExitOk;
  PrintPair(ctx, kMsgCannotOpen);
  if (const std::string reason = ReadFailureReason(st); !reason.empty()) ctx.err << reason << "\n";
  return kExitBadInput;
}

int RefuseOutputOverContainer(Context& ctx, const Options& opts, const std::string& container) {
  const auto target = opts.Value("-o");
  if (!target) return kExitOk;
  std::error_code ec;
  // Links followed: a link to the container is the container.
  if (!std::filesystem::equivalent(PathFromUtf8(*target), PathFromUtf8(container), ec)) return kExitOk;
  ctx.err << "kestrin-cfg: " << *target
          << ": это сам зашифрованный контейнер; его нельзя заменить расшифрованным текстом, укажите другой файл\n";
  return kExitBadInput;
}

}  // namespace kestrin::cli
