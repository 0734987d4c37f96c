#include "control/link_light.h"

#include <QPainter>

namespace quarnel {

QPixmap linkLight(bool open, int diameter) {
  QPixmap light(diameter, diameter);
  light.fill(Qt::transparent);
  QPainter painter(&light);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
  painter.setBrush(open ? QColor(30, 160, 50) : QColor(200, 16, 32));
  painter.drawEllipse(QRectF(0.5, 0.5, diameter - 1, diameter - 1));
  return light;
}

} // namespace quarnel
