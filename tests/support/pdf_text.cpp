#include "support/pdf_text.h"

#include <cstdio>

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#endif

namespace kestrin::test {

namespace {

std::string Capture(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  if (pclose(pipe) != 0) out.clear();
  return out;
}

std::string Quote(const std::string& path) { return "\"" + path + "\""; }

}  // namespace

bool HavePdfTools() { return !Capture("pdftotext -v 2>&1 && echo ok").empty(); }

std::string PdfText(const std::string& path) { return Capture("pdftotext -layout " + Quote(path) + " -"); }

std::string PdfInfo(const std::string& path) { return Capture("pdfinfo " + Quote(path)); }

}  // namespace kestrin::test
