// Drawing one servo's dial and horn, and telling a screen reader its position.
#include "servo_dial.h"

#include "board_state.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace tavik::board {

namespace {
constexpr int kHighestPosition = 254;
} // namespace

ServoDial::ServoDial(int servo, QWidget *parent) : QWidget(parent), m_servo(servo), m_position(0) {
  setObjectName(QString("servoDial(%1)").arg(servo));
  setAccessibleName(QString("Servo %1").arg(servo));
  showPosition(BoardState::kNoPosition);
}

void ServoDial::showPosition(int position) {
  if (position == m_position) return;
  m_position = position;
  setAccessibleDescription(position == BoardState::kNoPosition ? QString("Nothing received")
                                                               : QString("Position %1").arg(position));
  update();
}

void ServoDial::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), QColor(40, 44, 52));
  painter.scale(width() / double(kDesignSize), height() / double(kDesignSize));
  const QRectF cell(0, 0, kDesignSize, kDesignSize);
  const QPointF centre = cell.center() + QPointF(0, 8);
  const double radius = cell.width() * 0.34;
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
  painter.drawText(QRectF(cell.left(), cell.top() + 4, cell.width(), 18), Qt::AlignCenter, QString("Servo %1").arg(m_servo));
  const QRectF below(cell.left(), centre.y() + radius * 0.35, cell.width(), 18);
  if (m_position == BoardState::kNoPosition) {
    painter.drawText(below, Qt::AlignCenter, "-");
    return;
  }
  const double angle = std::numbers::pi * (1 - static_cast<double>(m_position) / kHighestPosition);
  const QPointF tip = centre + QPointF(std::cos(angle), -std::sin(angle)) * (radius - 10);
  painter.setPen(QPen(QColor(245, 180, 60), 8, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(centre, tip);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(200, 200, 200));
  painter.drawEllipse(centre, 6, 6);
  painter.setPen(QColor(220, 220, 220));
  painter.drawText(below, Qt::AlignCenter, QString::number(m_position));
}

} // namespace tavik::board
