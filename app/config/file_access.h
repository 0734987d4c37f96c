// Whole-file reads and atomic saves for the user's files: the core makes and parses the bytes,
// this moves them to and from the disk. Both touch regular files only (a link to one counts),
// so a device, pipe, socket or folder in a file's place is never read from or replaced.
#pragma once

#include <optional>
#include <string>

namespace quarnel {

struct FileRead {
  std::string bytes;
  std::optional<std::string> error; // why the file could not be read, for the user
};

// Settings files are small; anything larger than `maxBytes` is refused rather than read. Never
// blocks on a special file: it is refused.
FileRead readWholeFile(const std::string &path, long long maxBytes = 1 << 20);

// Writes through a temporary file, so the old file stays whole unless the new one is complete
// on the disk; a link keeps pointing where it did and its target gets the new bytes. Returns
// why the file could not be written, or nothing on success.
std::optional<std::string> saveWholeFile(const std::string &path, const std::string &bytes);

} // namespace quarnel
