#include "board_window.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace tavik::board {

namespace {
constexpr int kColumns = 4;
constexpr int kCell = 150;
constexpr int kHeader = 36;
constexpr int kHighestPosition = 254;
} // namespace

BoardWindow::BoardWindow(const BoardState &state, QString linkPath) : m_state(state), m_linkPath(std::move(linkPath)) {
  setObjectName("boardWindow");
  setWindowTitle("Virtual servo board - " + m_linkPath);
  setFixedSize(kColumns * kCell, kHeader + (kShownServos / kColumns) * kCell);
  // Sixty pictures a second: movement looks continuous and a change shows within a frame.
  m_refresh.setInterval(16);
  connect(&m_refresh, &QTimer::timeout, this, qOverload<>(&QWidget::update));
  m_refresh.start();
}

void BoardWindow::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), QColor(40, 44, 52));
  painter.setPen(QColor(220, 220, 220));
  const int32_t speed = m_state.bitsPerSecond.load();
  QString header = QString("Frames: %1").arg(m_state.frames.load());
  header += speed > 0 ? QString("    Line: %1 bit/s").arg(speed) : QString("    Line: not opened");
  if (const long errors = m_state.errors.load()) header += QString("    Damaged bytes: %1").arg(errors);
  painter.drawText(QRect(12, 0, width() - 24, kHeader), Qt::AlignVCenter | Qt::AlignLeft, header);
  for (int servo = 0; servo < kShownServos; ++servo) {
    const QRectF cell((servo % kColumns) * kCell, kHeader + (servo / kColumns) * kCell, kCell, kCell);
    drawServo(painter, cell, servo, m_state.positions[servo].load());
  }
}

void BoardWindow::drawServo(QPainter &painter, QRectF cell, int servo, int position) {
  const QPointF centre = cell.center() + QPointF(0, 8);
  const double radius = kCell * 0.34;
  painter.setPen(QPen(QColor(90, 96, 110), 2));
  painter.setBrush(QColor(58, 63, 75));
  painter.drawEllipse(centre, radius, radius);

  // The travel: 0 points left, 127 straight up, 254 right.
  painter.setPen(QPen(QColor(120, 126, 140), 1));
  for (int mark = 0; mark <= 8; ++mark) {
    const double a = std::numbers::pi * (1 - mark / 8.0);
    const QPointF dir(std::cos(a), -std::sin(a));
    painter.drawLine(centre + dir * (radius - 6), centre + dir * radius);
  }

  painter.setPen(QColor(220, 220, 220));
  painter.drawText(QRectF(cell.left(), cell.top() + 4, cell.width(), 18), Qt::AlignCenter, QString("Servo %1").arg(servo));
  if (position == BoardState::kNoPosition) {
    painter.drawText(QRectF(cell.left(), centre.y() + radius * 0.35, cell.width(), 18), Qt::AlignCenter, "-");
    return;
  }
  const double angle = std::numbers::pi * (1 - static_cast<double>(position) / kHighestPosition);
  const QPointF tip = centre + QPointF(std::cos(angle), -std::sin(angle)) * (radius - 10);
  painter.setPen(QPen(QColor(245, 180, 60), 9, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(centre, tip);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(200, 200, 200));
  painter.drawEllipse(centre, 6, 6);
  painter.setPen(QColor(220, 220, 220));
  painter.drawText(QRectF(cell.left(), centre.y() + radius * 0.35, cell.width(), 18), Qt::AlignCenter, QString::number(position));
}

} // namespace tavik::board
