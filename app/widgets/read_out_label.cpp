#include "widgets/read_out_label.h"

#include <QEvent>
#include <QPainter>

namespace quarnel {

ReadOutLabel::ReadOutLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  parent->installEventFilter(this);
}

bool ReadOutLabel::eventFilter(QObject *watched, QEvent *event) {
  // Whatever changed beneath, a title, a palette, a sibling, the parent paints it: an opaque
  // child is left out of that paint, so the picture is taken again at the child's next paint.
  if (event->type() == QEvent::Paint) m_backdrop = QPixmap();
  return QLabel::eventFilter(watched, event);
}

void ReadOutLabel::paintEvent(QPaintEvent *event) {
  if (m_backdrop.isNull()) m_backdrop = takeBackdrop();
  {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_backdrop);
  }
  QLabel::paintEvent(event);
}

QPixmap ReadOutLabel::takeBackdrop() {
  const qreal ratio = devicePixelRatioF();
  // Opaque, as the window's own buffer is, so that any text in it is drawn as on the screen.
  QPixmap backdrop(size() * ratio);
  backdrop.setDevicePixelRatio(ratio);
  QWidget *parent = parentWidget();
  parent->render(&backdrop, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
  // Rendering the parent's children would paint this label inside its own paint, which Qt
  // refuses; the siblings stacked beneath it are rendered one by one instead.
  for (QObject *child : parent->children()) {
    if (child == this) break;
    auto *sibling = qobject_cast<QWidget *>(child);
    if (sibling && sibling->isVisible() && !sibling->isWindow() && sibling->geometry().intersects(geometry()))
      sibling->render(&backdrop, sibling->pos() - pos(), QRegion(), QWidget::DrawChildren);
  }
  return backdrop;
}

} // namespace quarnel
