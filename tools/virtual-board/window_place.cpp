// The window's place as one line of four numbers, "x y width height".
#include "window_place.h"

#include <cstdio>
#include <fstream>

namespace tavik::board {

std::string windowPlacePath(const std::string &link) { return link + ".window"; }

bool writeWindowPlace(const std::string &path, const WindowPlace &place) {
  const std::string written = path + ".new";
  {
    std::ofstream out(written, std::ios::trunc);
    out << place.x << ' ' << place.y << ' ' << place.width << ' ' << place.height << '\n';
    if (!out.flush()) {
      std::remove(written.c_str());
      return false;
    }
  }
  return std::rename(written.c_str(), path.c_str()) == 0;
}

std::optional<WindowPlace> readWindowPlace(const std::string &path) {
  std::ifstream in(path);
  WindowPlace place;
  if (!(in >> place.x >> place.y >> place.width >> place.height) || place.width <= 0 || place.height <= 0)
    return std::nullopt;
  return place;
}

} // namespace tavik::board
