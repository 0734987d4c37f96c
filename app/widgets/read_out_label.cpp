#include "widgets/read_out_label.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace quarnel {

ReadOutLabel::ReadOutLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
  // Digits need no shaping, which would cost more than drawing them; the rest of the font is
  // still the parent's.
  QFont unshaped;
  unshaped.setStyleStrategy(QFont::PreferNoShaping);
  setFont(unshaped);
  setAttribute(Qt::WA_OpaquePaintEvent);
  parent->installEventFilter(this);
}

bool ReadOutLabel::eventFilter(QObject *watched, QEvent *event) {
  // Whatever changed beneath, a title or a sibling, the parent paints it. Qt counts on an
  // opaque child to look the same whatever lies beneath, and may leave it out of that
  // repaint: this one asks for its own, with a new picture.
  if (event->type() == QEvent::Paint && !m_takingBackdrop) {
    m_backdrop = QPixmap();
    update();
  }
  return QLabel::eventFilter(watched, event);
}

void ReadOutLabel::paintEvent(QPaintEvent *) {
  if (m_backdrop.isNull()) m_backdrop = takeBackdrop();
  QPainter painter(this);
  painter.drawPixmap(0, 0, m_backdrop);
  // One painter for both: the label's own paint would begin a second one.
  const bool rightToLeft = text().isRightToLeft();
  const int flags = int(QStyle::visualAlignment(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight, alignment())) |
                    (rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
  style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(), foregroundRole());
}

QPixmap ReadOutLabel::takeBackdrop() {
  const qreal ratio = devicePixelRatioF();
  // Opaque, as the window's own buffer is, so that any text in it is drawn as on the screen.
  QPixmap backdrop(size() * ratio);
  backdrop.setDevicePixelRatio(ratio);
  QWidget *parent = parentWidget();
  m_takingBackdrop = true;
  parent->render(&backdrop, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
  // Rendering the parent's children would paint this label inside its own paint, which Qt
  // refuses; the siblings stacked beneath it are rendered one by one instead.
  for (QObject *child : parent->children()) {
    if (child == this) break;
    auto *sibling = qobject_cast<QWidget *>(child);
    if (sibling && sibling->isVisible() && !sibling->isWindow() && sibling->geometry().intersects(geometry()))
      sibling->render(&backdrop, sibling->pos() - pos(), QRegion(), QWidget::DrawChildren);
  }
  m_takingBackdrop = false;
  return backdrop;
}

} // namespace quarnel
