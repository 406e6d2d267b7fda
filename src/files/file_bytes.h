#pragma once
// Reading and writing whole files as bytes, Qt-free (used by the command-line
// tool and the core). Paths are UTF-8.
#include <cstdint>
#include <string>

namespace kestrin {

// Larger files are refused: no configuration comes near this.
constexpr uint64_t kMaxConfigFileSize = 16u * 1024u * 1024u;

enum class ReadStatus { Ok, NotFound, NotAFile, TooLarge, CannotRead };

// Reads at most maxBytes; a larger file gives TooLarge unless truncate is set,
// in which case only the first maxBytes are read.
ReadStatus ReadFileBytes(const std::string& path, std::string& out,
                         uint64_t maxBytes = kMaxConfigFileSize, bool truncate = false);

// Whether a configuration file can be read at all: the one decision every
// opening makes first, before a container's key is asked. A container is
// read only up to its own cap, so only a plain file can be TooLarge. Any
// status but Ok gets the opening failure pair ("Ошибка открытия файла").
ReadStatus CheckConfigFileReadable(const std::string& path, bool container);

// The reason shown in brackets under the opening failure pair (UTF-8, e.g.
// "(файл больше 16 МБ)"); empty for Ok and NotFound.
std::string ReadFailureReason(ReadStatus status);

// ReplaceFile (files/atomic_file.h) for callers that need only success.
bool WriteFileAtomic(const std::string& path, const std::string& bytes, std::string* error = nullptr);

}  // namespace kestrin
