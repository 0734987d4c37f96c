// Opening, watching, reopening and closing the link, what the line carried, and counting what
// is sent down it.
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
  m_boardLeftAt.reset();
  openDriver();
  m_watching = m_driver.reachesDevice();
  statusChanged();
}

void BoardLink::openDriver() {
  ServoPositions standing;
  for (int servo = 0; servo < servoChannels; ++servo) standing[servo] = m_motion.displayed(servo);
  const bool linked = m_driver.open(m_status.port, m_status.baud, standing);
  m_status = LinkStatus::afterOpen(m_status.port, m_status.baud, linked);
  linked ? m_watch.opened(m_status.device) : m_watch.failed(m_status.device);
  // Only a board that took the link has positions worth remembering; a dry run's printout has none.
  if (linked && m_driver.reachesDevice() && !m_boardLeftAt) m_boardLeftAt = standing;
  m_lookedAt = m_clock.seconds();
}

void BoardLink::poll() {
  if (!m_watching || m_clock.seconds() - m_lookedAt < lookSeconds) return;
  m_lookedAt = m_clock.seconds();
  switch (m_watch.check()) {
  case LinkWatch::Change::None: return;
  case LinkWatch::Change::Lost: m_status.fault = LinkFault::Lost; break;
  case LinkWatch::Change::Back: openDriver(); break;
  }
  statusChanged();
}

bool BoardLink::lineCarried() const {
  if (!m_watching || m_status.fault) return true;
  return m_motion.allCarried([this](int servo) { return m_driver.sent(servo) == m_motion.displayed(servo); });
}

void BoardLink::close() {
  m_watching = false;
  m_driver.close();
  if (m_boardLeftAt)
    for (int servo = 0; servo < servoChannels; ++servo)
      if (const int32_t sent = m_driver.sent(servo); sent >= 0) (*m_boardLeftAt)[servo] = static_cast<int16_t>(sent);
}

void BoardLink::send(int servo, int16_t position) {
  m_driver.move(servo, position);
  m_frames.count(m_clock.seconds());
}

int BoardLink::framesPerSecond() { return m_frames.framesPerSecond(m_clock.seconds()); }

int BoardLink::linePercent() { return m_frames.linePercent(m_clock.seconds(), m_status.baud); }

} // namespace quarnel
