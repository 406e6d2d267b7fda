#include "files/program_settings.h"

#include "model/codec.h"

namespace kestrin {

namespace {
const std::string kEmpty;
}

int ProgramSettings::MaskIdent(int n) const {
  switch (n) {
    case 1: return MaskIdent1;
    case 2: return MaskIdent2;
    case 3: return MaskIdent3;
    case 4: return MaskIdent4;
    default: return kMaskEmpty;
  }
}

void ProgramSettings::SetMaskIdent(int n, int kind) {
  switch (n) {
    case 1: MaskIdent1 = kind; break;
    case 2: MaskIdent2 = kind; break;
    case 3: MaskIdent3 = kind; break;
    case 4: MaskIdent4 = kind; break;
    default: break;
  }
}

const std::string& ProgramSettings::MaskDelim(int n) const {
  switch (n) {
    case 1: return MaskDelim1;
    case 2: return MaskDelim2;
    case 3: return MaskDelim3;
    default: return kEmpty;
  }
}

void ProgramSettings::SetMaskDelim(int n, std::string delim) {
  switch (n) {
    case 1: MaskDelim1 = std::move(delim); break;
    case 2: MaskDelim2 = std::move(delim); break;
    case 3: MaskDelim3 = std::move(delim); break;
    default: break;
  }
}

ProgramSettings DefaultSettings(const std::string& programFolder) {
  ProgramSettings s;
  s.ProgramFolder = programFolder;
  s.ListPathSave = programFolder;
  return s;
}

int DefaultMaskKind(int element) {
  return element >= 1 && element <= kMaskElements ? element : kMaskEmpty;
}

int MaskKindOrDefault(int stored, int element) {
  return stored >= kMaskEmpty && stored <= kMaskSuffix ? stored : DefaultMaskKind(element);
}

bool IsRefusedMaskChar(char c) {
  switch (c) {
    case '"': case '*': case '/': case ':': case '<':
    case '>': case '?': case '\\': case '|':
      return true;
    default:
      return false;
  }
}

std::string CleanMaskText(std::string_view text, int maxBytes) {
  std::string out;
  for (char c : text) {
    if (static_cast<int>(out.size()) >= maxBytes) break;
    if (static_cast<unsigned char>(c) < 32 || c == 127 || IsRefusedMaskChar(c)) continue;
    out.push_back(c);
  }
  return out;
}

void NormalizeSettings(ProgramSettings& s) {
  s.MaskPref = CleanMaskText(s.MaskPref, kMaskTextMax);
  s.MaskSuff = CleanMaskText(s.MaskSuff, kMaskTextMax);
  for (int n = 1; n <= kMaskElements - 1; ++n) s.SetMaskDelim(n, CleanMaskText(s.MaskDelim(n), kMaskDelimMax));
  for (int n = 1; n <= kMaskElements; ++n) s.SetMaskIdent(n, MaskKindOrDefault(s.MaskIdent(n), n));
}

std::string WithTrailingDelimiter(std::string path) {
  if (!path.empty()) {
    const char last = path.back();
#ifdef _WIN32
    if (last == '\\' || last == '/') return path;
#else
    if (last == '/') return path;
#endif
  }
  path.push_back(kPathDelimiter);
  return path;
}

std::string ComposeFileName(const std::array<int, kMaskElements>& kinds, std::string_view prefix,
                            std::string_view alias, std::string_view ident,
                            std::string_view suffix,
                            const std::array<std::string, kMaskElements - 1>& delims) {
  std::string name;
  std::string_view pending;
  for (int i = 0; i < kMaskElements; ++i) {
    std::string_view value;
    switch (kinds[i]) {
      case kMaskPrefix: value = prefix; break;
      case kMaskAlias: value = alias; break;
      case kMaskIdent: value = ident; break;
      case kMaskSuffix: value = suffix; break;
      default: break;
    }
    if (value.empty()) continue;
    name.append(pending);
    name.append(value);
    if (i < kMaskElements - 1) pending = delims[i];
  }
  name.append(".ini");
  return name;
}

std::string ComposeFileName(const ProgramSettings& s, std::string_view alias,
                            std::string_view ident) {
  return ComposeFileName({s.MaskIdent1, s.MaskIdent2, s.MaskIdent3, s.MaskIdent4}, s.MaskPref,
                         alias, ident, s.MaskSuff, {s.MaskDelim1, s.MaskDelim2, s.MaskDelim3});
}

std::string SampleAlias() { return Utf8ToCp1251("ПСЕВДОНИМN"); }
std::string SampleIdent() { return "AAAABBBBCCCC"; }

}  // namespace kestrin
