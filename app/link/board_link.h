// The link to the board for as long as a window or a run holds it: the driver opened on a port,
// the link's status, the device looked at once a second (a board gone is said; a board back is
// opened again and every servo sent where the motion has it), and the frames counted. The
// control window and quarnel-play both hold one, so both follow the same rules.
#pragma once

#include "link/frame_rate_meter.h"
#include "link/link_status.h"
#include "link/link_watch.h"
#include "link/servo_driver.h"
#include "motion/clock.h"
#include "motion/motion_model.h"

#include <functional>

namespace quarnel {

class BoardLink {
public:
  // Every change of a displayed position in `motion` goes to `driver` from now on.
  BoardLink(MotionModel &motion, ServoDriver &driver, const Clock &clock);

  // Opens the driver on `port` at `baud`; the status says how that went.
  void open(int32_t port, int32_t baud);
  // Looks at the device when a second has passed since the last look; call it on every tick.
  void poll();
  void close();

  const LinkStatus &status() const { return m_status; }
  // Positions sent over the last second, and their share of what the line carries.
  int framesPerSecond();
  int linePercent();

  // After the status changed: at the open, when the board went away, when it was opened again.
  std::function<void()> statusChanged = [] {};

private:
  void send(int servo, int16_t position);
  void opened(bool linked);

  MotionModel &m_motion;
  ServoDriver &m_driver;
  const Clock &m_clock;
  LinkStatus m_status;
  LinkWatch m_watch;
  bool m_watching = false; // open, with a device behind it
  double m_lookedAt = 0;
  FrameRateMeter m_frames;
};

} // namespace quarnel
