// The virtual board's window: twelve servos as horns on dials, turning with the positions
// received, under a line with the frame count and the line speed.
#pragma once

#include "board_state.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>
#include <string>

class QLabel;

namespace tavik::board {

class ServoDial;

class BoardWindow : public QWidget {
public:
  static constexpr int kShownServos = 12;

  // How the window is laid out: the header's height, then the dials so many to a row, in
  // square cells of so many pixels.
  struct DialGrid {
    int header;
    int columns;
    int cell;
    bool operator==(const DialGrid &) const = default;
  };
  // The grid for a screen whose available area is `available`: the design's four columns of
  // full-size dials where they take at most a third of its width, leaving the application's
  // windows room beside them; on a smaller screen two columns, the dials as large as a third of
  // its width and its height let them be, under a header of three lines of `lineHeight`, as
  // the narrow header wraps.
  static DialGrid gridFor(QSize available, int lineHeight);

  // Laid out for the primary screen.
  BoardWindow(const BoardState &state, QString linkPath);

  // "X,Y", two whole numbers: where --position asks the window's top-left corner to stand.
  static std::optional<QPoint> parsePosition(const QString &text);
  // Moves the window to `position`, or as near as keeps it wholly on the screen there.
  void standAt(QPoint position);

  // Brings the header and the dials up to what the line has received; the window's timer
  // calls it sixty times a second.
  void refresh();

  // Keeps where the window's frame stands in `path` (see window_place.h) while the window is
  // up, and removes the file when it goes.
  void keepPlaceIn(std::string path);
  ~BoardWindow() override;

private:
  void writePlace();

  const BoardState &m_state;
  QLabel *m_header;
  QString m_headerGap = "    "; // between the header's parts
  std::array<ServoDial *, kShownServos> m_dials{};
  QTimer m_refresh;
  std::string m_placePath;
  QRect m_writtenPlace;
};

} // namespace tavik::board
