// Whole-file reads and atomic saves for the settings files: the core makes and parses the
// bytes, this moves them to and from the disk.
#pragma once

#include <optional>
#include <string>

namespace quarnel {

struct FileRead {
  std::string bytes;
  std::optional<std::string> error; // why the file could not be read, for the user
};

// Settings files are small; anything larger than `maxBytes` is refused rather than read.
FileRead readWholeFile(const std::string &path, long long maxBytes = 1 << 20);

// Writes through a temporary file, so the old file stays whole unless the new one is complete.
// Returns why the file could not be written, or nothing on success.
std::optional<std::string> saveWholeFile(const std::string &path, const std::string &bytes);

} // namespace quarnel
