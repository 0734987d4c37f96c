// A frameless scroll area that is neither a stop of Tab nor a box around the design.
#include "widgets/design_scroll_area.h"

namespace quarnel {

DesignScrollArea::DesignScrollArea(QWidget *design, QWidget *parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  // Tab goes through the design's controls as before; the area scrolls each one into sight.
  setFocusPolicy(Qt::NoFocus);
  setWidget(design);
}

QSize DesignScrollArea::sizeHint() const { return widget()->size(); }

} // namespace quarnel
