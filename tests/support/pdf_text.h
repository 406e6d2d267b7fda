#pragma once
// Text of a PDF through poppler's pdftotext/pdfinfo, for report tests.
#include <string>

namespace kestrin::test {

// True when pdftotext can be run.
bool HavePdfTools();
// pdftotext -layout of the file (UTF-8); empty on failure.
std::string PdfText(const std::string& path);
// The output of pdfinfo for the file; empty on failure.
std::string PdfInfo(const std::string& path);

}  // namespace kestrin::test
