#include "widgets/stop_sign.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace quarnel {

QIcon stopSignIcon(int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QPolygonF octagon;
  const double radius = size / 2.0 - 1;
  for (int corner = 0; corner < 8; ++corner) {
    const double angle = std::numbers::pi / 8 + corner * std::numbers::pi / 4;
    octagon << QPointF(size / 2.0 + radius * std::cos(angle), size / 2.0 + radius * std::sin(angle));
  }
  painter.setPen(QPen(Qt::white, std::max(1.0, size / 24.0)));
  painter.setBrush(QColor(200, 16, 32));
  painter.drawPolygon(octagon);
  QFont font;
  font.setBold(true);
  font.setPixelSize(std::max(6, size * 3 / 10));
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, "STOP");
  return QIcon(picture);
}

} // namespace quarnel
