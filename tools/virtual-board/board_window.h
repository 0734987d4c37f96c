// The virtual board's window: twelve servos drawn as horns on dials, turning with the
// positions received, with the frame count and the line speed.
#pragma once

#include "board_state.h"

#include <QTimer>
#include <QWidget>

namespace tavik::board {

class BoardWindow : public QWidget {
public:
  static constexpr int kShownServos = 12;

  BoardWindow(const BoardState &state, QString linkPath);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  void drawServo(QPainter &painter, QRectF cell, int servo, int position);

  const BoardState &m_state;
  QString m_linkPath;
  QTimer m_refresh;
};

} // namespace tavik::board
