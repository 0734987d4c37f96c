// What the board link needs of the servo board: open the link, move one servo, close.
#pragma once

#include <cstdint>

namespace quarnel {

class ServoDriver {
public:
  virtual ~ServoDriver() = default;
  // Whether the link is open now; the read-outs count all the same when it is not.
  virtual bool open(int32_t port, int32_t baud) = 0;
  virtual void move(int32_t servo, int32_t position) = 0;
  virtual void close() = 0;
  // Whether a device node stands behind the port, one that can go away and come back; a
  // driver that only prints has none to watch.
  virtual bool reachesDevice() const { return true; }
};

} // namespace quarnel
