// The STOP button's picture: a red octagon with the white letters STOP.
#pragma once

#include <QIcon>

namespace quarnel {

QIcon stopSignIcon(int size);

} // namespace quarnel
