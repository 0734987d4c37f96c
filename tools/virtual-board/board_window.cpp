// The board window's dials in their grid, its header, its refresh and where it stands.
#include "board_window.h"

#include "servo_dial.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include <algorithm>

namespace tavik::board {

namespace {
constexpr int kColumns = 4;
constexpr int kCell = 112;
constexpr int kHeader = 36;
} // namespace

BoardWindow::BoardWindow(const BoardState &state, QString linkPath) : m_state(state) {
  setObjectName("boardWindow");
  setWindowTitle("Virtual servo board - " + linkPath);
  setAccessibleName("Virtual servo board");
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(40, 44, 52));
  colours.setColor(QPalette::WindowText, QColor(220, 220, 220));
  setPalette(colours);
  setAutoFillBackground(true);
  setFixedSize(kColumns * kCell, kHeader + (kShownServos / kColumns) * kCell);

  m_header = new QLabel(this);
  m_header->setObjectName("boardHeader");
  m_header->setGeometry(12, 0, width() - 24, kHeader);
  for (int servo = 0; servo < kShownServos; ++servo) {
    m_dials[servo] = new ServoDial(servo, this);
    m_dials[servo]->setGeometry((servo % kColumns) * kCell, kHeader + (servo / kColumns) * kCell, kCell, kCell);
  }
  refresh();
  // Sixty pictures a second: movement looks continuous and a change shows within a frame.
  m_refresh.setInterval(16);
  connect(&m_refresh, &QTimer::timeout, this, &BoardWindow::refresh);
  m_refresh.start();
}

std::optional<QPoint> BoardWindow::parsePosition(const QString &text) {
  const QStringList parts = text.split(',');
  if (parts.size() != 2) return std::nullopt;
  bool xOk = false, yOk = false;
  const QPoint position(parts[0].toInt(&xOk), parts[1].toInt(&yOk));
  if (!xOk || !yOk) return std::nullopt;
  return position;
}

void BoardWindow::standAt(QPoint position) {
  const QScreen *screen = QGuiApplication::screenAt(position);
  const QRect area = (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
  move(std::clamp(position.x(), area.left(), std::max(area.left(), area.right() + 1 - width())),
       std::clamp(position.y(), area.top(), std::max(area.top(), area.bottom() + 1 - height())));
}

void BoardWindow::refresh() {
  const int32_t speed = m_state.bitsPerSecond.load();
  QString header = QString("Frames: %1").arg(m_state.frames.load());
  header += speed > 0 ? QString("    Line: %1 bit/s").arg(speed) : QString("    Line: not opened");
  if (const long errors = m_state.errors.load()) header += QString("    Damaged bytes: %1").arg(errors);
  if (m_header->text() != header) m_header->setText(header);
  for (int servo = 0; servo < kShownServos; ++servo) m_dials[servo]->showPosition(m_state.positions[servo].load());
}

} // namespace tavik::board
