// Opening, watching, reopening and closing the link, and counting what is sent down it.
#include "link/board_link.h"

namespace quarnel {

namespace {

// How often the device is looked at: a board gone is said within this, and a look is one stat()
// of a path.
constexpr double lookSeconds = 1;

} // namespace

BoardLink::BoardLink(MotionModel &motion, ServoDriver &driver, const Clock &clock)
    : m_motion(motion), m_driver(driver), m_clock(clock) {
  m_motion.addPositionListener([this](int servo, int16_t position) { send(servo, position); });
}

void BoardLink::open(int32_t port, int32_t baud) {
  m_status.port = port;
  m_status.baud = baud;
  opened(m_driver.open(port, baud));
  m_watching = m_driver.reachesDevice();
  statusChanged();
}

void BoardLink::opened(bool linked) {
  m_status = LinkStatus::afterOpen(m_status.port, m_status.baud, linked);
  linked ? m_watch.opened(m_status.device) : m_watch.failed(m_status.device);
  m_lookedAt = m_clock.seconds();
}

void BoardLink::poll() {
  if (!m_watching || m_clock.seconds() - m_lookedAt < lookSeconds) return;
  m_lookedAt = m_clock.seconds();
  switch (m_watch.check()) {
  case LinkWatch::Change::None: return;
  case LinkWatch::Change::Lost: m_status.fault = LinkFault::Lost; break;
  case LinkWatch::Change::Back:
    opened(m_driver.open(m_status.port, m_status.baud));
    // The open set every servo of the board to 127: each goes back to where the motion has it.
    if (!m_status.fault)
      for (int i = 0; i < servoChannels; ++i) send(i, m_motion.displayed(i));
    break;
  }
  statusChanged();
}

void BoardLink::close() {
  m_watching = false;
  m_driver.close();
}

void BoardLink::send(int servo, int16_t position) {
  m_driver.move(servo, position);
  m_frames.count(m_clock.seconds());
}

int BoardLink::framesPerSecond() { return m_frames.framesPerSecond(m_clock.seconds()); }

int BoardLink::linePercent() { return m_frames.linePercent(m_clock.seconds(), m_status.baud); }

} // namespace quarnel
