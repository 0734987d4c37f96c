// The dot beside the link's status: green while the port is open, red while it is not, so the
// state reads at a glance; the text beside it says the same in words.
#pragma once

#include <QPixmap>

namespace quarnel {

QPixmap linkLight(bool open, int diameter);

} // namespace quarnel
