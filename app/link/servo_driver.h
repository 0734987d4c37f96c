// What the board link needs of the servo board: open the link, move one servo, learn what the
// line has carried, close.
#pragma once

#include "motion/motion_model.h"

#include <cstdint>

namespace quarnel {

class ServoDriver {
public:
  virtual ~ServoDriver() = default;
  // Opens the link with each servo at `startAt`; whether it is open now. The read-outs count
  // all the same when it is not.
  virtual bool open(int32_t port, int32_t baud, const ServoPositions &startAt) = 0;
  virtual void move(int32_t servo, int32_t position) = 0;
  // The position last written to the line for `servo` since the open, also after the close;
  // -1 when none. Asked only of a driver that reaches a device.
  virtual int32_t sent(int32_t servo) const = 0;
  virtual void close() = 0;
  // Whether a device node stands behind the port, one that can go away and come back; a
  // driver that only prints has none to watch, and no line that could fall behind.
  virtual bool reachesDevice() const { return true; }
};

} // namespace quarnel
