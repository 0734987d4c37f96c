// Where the board's window stands, for the programs that keep their own windows clear of it:
// while its window is up, the board keeps the frame's place in a file beside its link.
#pragma once

#include <optional>
#include <string>

namespace tavik::board {

// The window's frame, title bar included, in the desktop's coordinates.
struct WindowPlace {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const WindowPlace &) const = default;
};

// LINK.window for the board whose link is `link`.
std::string windowPlacePath(const std::string &link);

// Replaces the file whole, so a reader never sees half a line; false when it cannot.
bool writeWindowPlace(const std::string &path, const WindowPlace &place);

// The place in the file, or nothing when there is no such file or it holds no place.
std::optional<WindowPlace> readWindowPlace(const std::string &path);

} // namespace tavik::board
