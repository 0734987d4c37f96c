// The board window's dials in their grid, its header, its refresh and where it stands.
#include "board_window.h"

#include "servo_dial.h"
#include "window_place.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include <algorithm>
#include <cstdio>

namespace tavik::board {

namespace {
constexpr int kDesignColumns = 4, kNarrowColumns = 2;
constexpr int kHeader = 36, kHeaderPadding = 6;
// The title bar and borders a window manager may add, before the window is shown and they are
// known.
constexpr int kFrameAllowance = 40;
} // namespace

BoardWindow::DialGrid BoardWindow::gridFor(QSize available, int lineHeight) {
  const int designRows = kShownServos / kDesignColumns;
  if (kDesignColumns * ServoDial::kDesignSize <= available.width() / 3 &&
      kHeader + designRows * ServoDial::kDesignSize <= available.height() - kFrameAllowance)
    return {kHeader, kDesignColumns, ServoDial::kDesignSize};
  const int header = 3 * lineHeight + kHeaderPadding;
  const int narrowRows = kShownServos / kNarrowColumns;
  const int cell = std::min({ServoDial::kDesignSize, available.width() / 3 / kNarrowColumns,
                             (available.height() - kFrameAllowance - header) / narrowRows});
  return {header, kNarrowColumns, std::max(1, cell)};
}

BoardWindow::BoardWindow(const BoardState &state, QString linkPath) : m_state(state) {
  setObjectName("boardWindow");
  setWindowTitle("Virtual servo board - " + linkPath);
  setAccessibleName("Virtual servo board");
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(40, 44, 52));
  colours.setColor(QPalette::WindowText, QColor(220, 220, 220));
  setPalette(colours);
  setAutoFillBackground(true);
  const QScreen *screen = QGuiApplication::primaryScreen();
  const DialGrid grid =
      gridFor(screen ? screen->availableGeometry().size() : QSize(1024, 768), fontMetrics().lineSpacing());
  setFixedSize(grid.columns * grid.cell, grid.header + (kShownServos / grid.columns) * grid.cell);

  m_header = new QLabel(this);
  m_header->setObjectName("boardHeader");
  m_header->setGeometry(12, 0, width() - 24, grid.header);
  // A narrow window's header gives each of its parts a line.
  if (grid.columns != kDesignColumns) m_headerGap = "\n";
  for (int servo = 0; servo < kShownServos; ++servo) {
    m_dials[servo] = new ServoDial(servo, this);
    m_dials[servo]->setGeometry((servo % grid.columns) * grid.cell, grid.header + (servo / grid.columns) * grid.cell,
                                grid.cell, grid.cell);
  }
  refresh();
  // Sixty pictures a second: movement looks continuous and a change shows within a frame.
  m_refresh.setInterval(16);
  connect(&m_refresh, &QTimer::timeout, this, &BoardWindow::refresh);
  m_refresh.start();
}

std::optional<QPoint> BoardWindow::parsePosition(const QString &text) {
  const QStringList parts = text.split(',');
  if (parts.size() != 2) return std::nullopt;
  bool xOk = false, yOk = false;
  const QPoint position(parts[0].toInt(&xOk), parts[1].toInt(&yOk));
  if (!xOk || !yOk) return std::nullopt;
  return position;
}

void BoardWindow::standAt(QPoint position) {
  const QScreen *screen = QGuiApplication::screenAt(position);
  const QRect area = (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
  move(std::clamp(position.x(), area.left(), std::max(area.left(), area.right() + 1 - width())),
       std::clamp(position.y(), area.top(), std::max(area.top(), area.bottom() + 1 - height())));
}

void BoardWindow::refresh() {
  const int32_t speed = m_state.bitsPerSecond.load();
  QString header = QString("Frames: %1").arg(m_state.frames.load());
  header += m_headerGap + (speed > 0 ? QString("Line: %1 bit/s").arg(speed) : QString("Line: not opened"));
  if (const long errors = m_state.errors.load()) header += m_headerGap + QString("Damaged bytes: %1").arg(errors);
  if (m_header->text() != header) m_header->setText(header);
  for (int servo = 0; servo < kShownServos; ++servo) m_dials[servo]->showPosition(m_state.positions[servo].load());
  // Checked at every refresh: the window manager can move the window or learn its frame at any
  // time, and a comparison costs nothing.
  if (!m_placePath.empty() && isVisible() && frameGeometry() != m_writtenPlace) writePlace();
}

void BoardWindow::keepPlaceIn(std::string path) { m_placePath = std::move(path); }

BoardWindow::~BoardWindow() {
  if (!m_placePath.empty()) std::remove(m_placePath.c_str());
}

void BoardWindow::writePlace() {
  const QRect frame = frameGeometry();
  if (writeWindowPlace(m_placePath, {frame.x(), frame.y(), frame.width(), frame.height()})) m_writtenPlace = frame;
}

} // namespace tavik::board
