#include <algorithm>
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

std::optional<Options> ParseOptions(Context& ctx, const std::vector<std::string>& valueOptions,
                                    const std::vector<std::string>& flagOptions) {
  Options opts;
  const auto& a = ctx.args;
  for (size_t i = 0; i < a.size(); ++i) {
    const std::string& s = a[i];
    if (s.size() > 1 && s[0] == '-') {
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
  return opts;
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

std::optional<std::string> KeyOption(Context& ctx, const Options& opts) {
  auto key = opts.Value("--key");
  if (!key) return std::nullopt;
  if (*key == "-") {
    std::string line;
    std::getline(ctx.in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }
  return key;
}

int LoadInputText(Context& ctx, const std::string& path, const Options& opts, std::string& text) {
  // Read as plain text, a container would give a default-looking
  // configuration: without its key it is refused.
  if (IsContainerInput(path)) {
    std::optional<std::string> key = KeyOption(ctx, opts);
    if (!key) return RefuseContainerWithoutKey(ctx, path);
    return LoadContainerText(ctx, path, *key, text);
  }
  std::string bytes;
  ReadStatus st = ReadFileBytes(path, bytes);
  if (st != ReadStatus::Ok) {
    PrintPair(ctx, kMsgCannotOpen);
    if (st == ReadStatus::TooLarge) ctx.err << "(файл больше 16 МБ)\n";
    if (st == ReadStatus::NotAFile) ctx.err << "(это не файл)\n";
    return kExitBadInput;
  }
  TextBuffer buffer;
  buffer.SetBytes(bytes);
  text = buffer.Text();
  return kExitOk;
}

}  // namespace kestrin::cli
