// A window's design of fixed size, scrolled where the window is smaller than the design (a
// small or scaled screen), and shown whole, with no scroll bar, wherever the window holds it.
#pragma once

#include <QScrollArea>

namespace quarnel {

class DesignScrollArea : public QScrollArea {
public:
  // Takes `design`, a widget of fixed size.
  DesignScrollArea(QWidget *design, QWidget *parent);

  // The design's whole size, however large: the window then asks for all of it.
  QSize sizeHint() const override;
};

} // namespace quarnel
