// A label for a number that changes many times a second. A plain label lets its parent show
// through, so each new number repaints the parent beneath it too, and a group box's frame and
// title cost far more to paint than the number. This one paints only itself: a picture of what
// lies beneath it, taken again whenever its parent paints, then its text as a plain label
// without frame, margin or indent draws it.
#pragma once

#include <QLabel>
#include <QPixmap>

namespace quarnel {

class ReadOutLabel : public QLabel {
public:
  ReadOutLabel(const QString &text, QWidget *parent);

protected:
  void paintEvent(QPaintEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  QPixmap takeBackdrop();

  QPixmap m_backdrop; // null until taken, and again once the parent has painted
  bool m_takingBackdrop = false;
};

} // namespace quarnel
