#pragma once
// Paths travel through the program as UTF-8 strings; these are the only
// crossings into and out of std::filesystem, so that non-Latin names survive
// on every system.
#include <filesystem>
#include <string>

namespace kestrin {

std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// A container by its name: the extension ".cry" in any Latin case. A file
// named just ".cry" has no extension and is not one.
bool IsContainerPath(const std::string& pathUtf8);

}  // namespace kestrin
