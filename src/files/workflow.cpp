#include "files/workflow.h"

#include <filesystem>

#include "files/paths.h"
#include "model/codec.h"
#include "model/reader.h"

namespace kestrin {

namespace fs = std::filesystem;

namespace {

std::string Cp(const char* utf8Literal) { return Utf8ToCp1251(utf8Literal); }

// One line holds no more; the version of a damaged file can run to megabytes.
constexpr size_t kStatusVersionMaxBytes = 100;

std::string ShownVersion(const std::string& version) {
  if (version.size() <= kStatusVersionMaxBytes) return version;
  return version.substr(0, kStatusVersionMaxBytes) + "...";
}

}  // namespace

std::string StatusText(int kind, const std::string& date, const std::string& version) {
  switch (kind) {
    case kStatusDefault:
      return Cp("Конфигурация \"по-умолчанию\"");
    case kStatusSaved:
      return Cp("Конфигурация сохраненная (") + ShownVersion(version) + Cp(") от ") + date + Cp(" года ");
    case kStatusDevice:
      return Cp("Конфигурация прибора (") + ShownVersion(version) + Cp(") от ") + date + Cp(" года ");
    default:
      return {};
  }
}

bool LockFileBeside(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  fs::path folder = PathFromUtf8(path).parent_path();
  if (folder.empty()) folder = ".";
  return fs::exists(folder / "lock.txt", ec);
}

StatusLine ComposeStatusLine(int kind, const std::string& date, const std::string& version,
                             bool locked) {
  StatusLine line;
  line.text = StatusText(kind, date, version);
  if (locked) {
    line.text += Cp("(только чтение)");
    line.colour = kStatusRed;
    line.readOnly = true;
  }
  return line;
}

std::string WindowTitle(const std::string& pathUtf8) {
  return "Конфигуратор ППКОП \"Кестрин 18кГц 8\" v.4.0.4.6   =>   " + pathUtf8;
}

const std::string& ClockFileBytes() {
  static const std::string bytes = "PPKOP R7QX clock file";
  return bytes;
}

StartupArgs ParseCommandLine(const std::vector<std::string>& args) {
  StartupArgs out;
  if (args.empty()) return out;
  if (LowerLatin(args[0]) == "-debug") {
    out.debug = true;
    if (args.size() > 1) out.path = args[1];
  } else {
    out.path = args[0];
  }
  return out;
}

std::string StartupFile(const StartupArgs& args, const std::string& workFolder) {
  if (!args.path.empty()) return args.path;
  fs::path folder = PathFromUtf8(workFolder.empty() ? std::string(".") : workFolder);
  std::error_code ec;
  fs::path ini = folder / "config.ini";
  fs::path chosen = fs::exists(ini, ec) ? ini : folder / "config.cry";
  return Utf8FromPath(chosen);
}

void CompleteKeys(T_Command_DEVICE& model, const std::string& key) {
  std::string fileKey = model.GetFileKey();
  std::string oldKey = model.GetOldFileKey();
  if (fileKey.empty()) fileKey = oldKey.empty() ? key : oldKey;
  if (oldKey.empty() && !key.empty()) oldKey = key;
  model.SetFileKey(fileKey);
  model.SetOldFileKey(oldKey);
}

void LoadModelFromText(T_Command_DEVICE& model, const TextBuffer& text, TLexPipe& pipe,
                       T_Command& scratch, const std::string& key) {
  model.SetDefaults();
  // Read in place and let go afterwards: the text can be tens of megabytes.
  pipe.SetTextView(text.Text());
  ReadConfigText(scratch, pipe, model);
  pipe.SetText(std::string());
  CompleteKeys(model, key);
}

std::string ProposedSaveName(bool maskMode, const std::string& composed) {
  return maskMode ? composed : std::string("config.ini");
}

}  // namespace kestrin
