// Where the virtual board's window stands, so the application's windows can keep clear of it.
#pragma once

#include <QRect>

#include <optional>

namespace quarnel {

// The board's window frame while it is up, when the launcher started a board (its link named
// by QUARNEL_VIRTUAL_BOARD): read from the file the board keeps beside its link, so a window
// the user has moved is found where it is now.
std::optional<QRect> virtualBoardWindow();

} // namespace quarnel
