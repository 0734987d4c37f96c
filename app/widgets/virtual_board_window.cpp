// The launcher's variable, then the board's own account of its window.
#include "widgets/virtual_board_window.h"

#include "link/port_route.h"
#include "window_place.h"

#include <cstdlib>

namespace quarnel {

std::optional<QRect> virtualBoardWindow() {
  const char *link = std::getenv(virtualBoardVariable);
  if (!link || !*link) return std::nullopt;
  const auto place = tavik::board::readWindowPlace(tavik::board::windowPlacePath(link));
  if (!place) return std::nullopt;
  return QRect(place->x, place->y, place->width, place->height);
}

} // namespace quarnel
