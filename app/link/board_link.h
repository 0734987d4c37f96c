// The link to the board for as long as a window or a run holds it: the driver opened on a port
// with every servo where the motion stands, the link's status, the device looked at once a
// second (a board gone is said; a board back is opened again, every servo where the motion has
// it), what the line has carried, and the frames counted. The control window and quarnel-play
// both hold one, so both follow the same rules.
#pragma once

#include "link/frame_rate_meter.h"
#include "link/link_status.h"
#include "link/link_watch.h"
#include "link/servo_driver.h"
#include "motion/clock.h"
#include "motion/motion_model.h"

#include <functional>
#include <optional>

namespace quarnel {

class BoardLink {
public:
  // Every change of a displayed position in `motion` goes to `driver` from now on.
  BoardLink(MotionModel &motion, ServoDriver &driver, const Clock &clock);

  // Opens the driver on `port` at `baud`, every servo starting where the motion shows it (load
  // the motion first); the status says how that went.
  void open(int32_t port, int32_t baud);
  // Looks at the device when a second has passed since the last look; call it on every tick.
  void poll();
  void close();

  const LinkStatus &status() const { return m_status; }
  // Whether the line has carried every servo's displayed position to the board, but for a servo
  // following a track; so when no board is linked, and for a driver that reaches no device.
  bool lineCarried() const;
  // After the close: where the board was last sent each servo, when this link reached a board.
  const std::optional<ServoPositions> &boardLeftAt() const { return m_boardLeftAt; }
  // Positions sent over the last second, and their share of what the line carries.
  int framesPerSecond();
  int linePercent();

  // After the status changed: at the open, when the board went away, when it was opened again.
  std::function<void()> statusChanged = [] {};

private:
  void send(int servo, int16_t position);
  // Opens the driver with every servo where the motion has it.
  void openDriver();

  MotionModel &m_motion;
  ServoDriver &m_driver;
  const Clock &m_clock;
  LinkStatus m_status;
  LinkWatch m_watch;
  bool m_watching = false; // open, with a device behind it
  std::optional<ServoPositions> m_boardLeftAt; // set once a board took the link
  double m_lookedAt = 0;
  FrameRateMeter m_frames;
};

} // namespace quarnel
