// The virtual board's window: twelve servos as horns on dials, turning with the positions
// received, under a line with the frame count and the line speed.
#pragma once

#include "board_state.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>

class QLabel;

namespace tavik::board {

class ServoDial;

class BoardWindow : public QWidget {
public:
  static constexpr int kShownServos = 12;

  BoardWindow(const BoardState &state, QString linkPath);

  // "X,Y", two whole numbers: where --position asks the window's top-left corner to stand.
  static std::optional<QPoint> parsePosition(const QString &text);
  // Moves the window to `position`, or as near as keeps it wholly on the screen there.
  void standAt(QPoint position);

  // Brings the header and the dials up to what the line has received; the window's timer
  // calls it sixty times a second.
  void refresh();

private:
  const BoardState &m_state;
  QLabel *m_header;
  std::array<ServoDial *, kShownServos> m_dials{};
  QTimer m_refresh;
};

} // namespace tavik::board
