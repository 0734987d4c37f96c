// The timeline's painting, its zoom and scroll, the click that selects a line, and the
// simulation run off the user-interface thread, its result handed back by a queued call.
#include "timeline/timeline_window.h"

#include "script/line_command.h"
#include "script/script_model.h"
#include "script/script_runner.h"
#include "widgets/window_placement.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace quarnel {

namespace {

constexpr int leftMargin = 44, rightMargin = 12, gap = 4;
constexpr int watchMs = 100, debounceMs = 200;
constexpr double finestMsPerPixel = 0.5;

const QColor &servoColour(int servo) {
  static const QColor colours[motionServos] = {
      QColor(31, 119, 180), QColor(255, 127, 14), QColor(44, 160, 44),  QColor(214, 39, 40),
      QColor(148, 103, 189), QColor(140, 86, 75), QColor(227, 119, 194), QColor(127, 127, 127),
      QColor(188, 189, 34), QColor(23, 190, 207), QColor(0, 0, 128),    QColor(128, 0, 0)};
  return colours[servo];
}

QString seconds(double ms, int decimals) { return QString::number(ms / 1000, 'f', decimals) + " s"; }

// The spacing of the axis's labelled ticks: 1, 2 or 5 times a power of ten, at least
// `minimumPixels` apart.
double tickStepMs(double msPerPixel, int minimumPixels) {
  const double least = msPerPixel * minimumPixels;
  double step = std::pow(10.0, std::floor(std::log10(least)));
  for (double factor : {1.0, 2.0, 5.0, 10.0})
    if (step * factor >= least) return step * factor;
  return step * 10;
}

} // namespace

TimelineWindow::TimelineWindow(ScriptModel &script, const ScriptRunner &runner, const MotionModel &motion,
                               const ServoConfiguration &config)
    : m_script(script), m_runner(runner), m_motion(motion), m_config(config) {
  setObjectName("frmTimeline");
  setWindowTitle("Timeline");
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(480, 320);
  resize(960, 440);
  m_hscTime = new QScrollBar(Qt::Horizontal, this);
  m_hscTime->setObjectName("hscTime");
  connect(m_hscTime, &QScrollBar::valueChanged, this, [this] { update(); });

  m_watch.setInterval(watchMs);
  m_debounce.setSingleShot(true);
  m_debounce.setInterval(debounceMs);
  connect(&m_watch, &QTimer::timeout, this, &TimelineWindow::watchInput);
  connect(&m_debounce, &QTimer::timeout, this, &TimelineWindow::recompute);
  setAccessibleName("Timeline");
  refreshNotes();
}

TimelineWindow::~TimelineWindow() {
  m_cancel = true;
  if (m_worker.joinable()) m_worker.join();
}

void TimelineWindow::showBeside(const QWidget &scriptWindow, const QWidget &controlWindow) {
  if (!isVisible()) moveBeside(*this, {&scriptWindow, &controlWindow}, minimumSize()); // else where the user put it
  show();
  raise();
  activateWindow();
}

void TimelineWindow::showEvent(QShowEvent *) {
  m_watch.start();
  watchInput();
}

void TimelineWindow::hideEvent(QHideEvent *) { m_watch.stop(); }

// A changed script is played again once the edits pause; an unchanged one is left alone.
void TimelineWindow::watchInput() {
  SimulationInput input = SimulationInput::of(m_script, m_config, m_motion.speed());
  if (m_haveInput && input == m_input) return;
  const bool first = !m_haveInput;
  m_input = std::move(input);
  m_haveInput = true;
  if (first) recompute();
  else m_debounce.start();
}

void TimelineWindow::recompute() {
  m_debounce.stop();
  m_cancel = true;
  if (m_worker.joinable()) m_worker.join(); // a cancelled run ends at its next 100 ms
  m_cancel = false;
  const unsigned long generation = ++m_generation;
  m_worker = std::thread([this, input = m_input, generation] {
    auto sim = simulateMotion(input, &m_cancel);
    if (!sim || m_cancel) return;
    auto result = std::make_shared<PlayedAhead>();
    result->baud = input.config.baudRate();
    result->load = measureLineLoad(*sim, result->baud);
    if (m_cancel) return; // the window waits for this thread before it starts the next
    for (const PositionChange &change : sim->changes) result->traces[change.servo].push_back(change);
    result->sim = std::move(*sim);
    // Posted to the window's thread; Qt drops it if the window is gone by then.
    QMetaObject::invokeMethod(this, [this, result = std::shared_ptr<const PlayedAhead>(std::move(result)), generation] {
      showResult(result, generation);
    }, Qt::QueuedConnection);
  });
  update();
}

void TimelineWindow::showResult(std::shared_ptr<const PlayedAhead> result, unsigned long generation) {
  if (generation != m_generation) return; // a run of a script that has changed since
  const bool first = !m_shown;
  m_shown = std::move(result);
  if (first) m_msPerPixel = std::max(finestMsPerPixel, (m_shown->sim.endMs + 500.0) / std::max(1, areas().plot.width()));
  refreshNotes();
}

int TimelineWindow::xOf(double timeMs) const {
  return leftMargin + static_cast<int>(std::lround(timeMs / m_msPerPixel)) - m_hscTime->value();
}

double TimelineWindow::timeAt(int x) const { return (x - leftMargin + m_hscTime->value()) * m_msPerPixel; }

// Where each servo's name stands in the legend, in rows as wide as the plot.
std::vector<QPoint> TimelineWindow::legendSpots(int top) const {
  std::vector<QPoint> spots;
  const int right = width() - rightMargin;
  QPoint at(leftMargin, top);
  for (int servo = 0; servo < m_config.servoCount(); ++servo) {
    const int wide = 18 + fontMetrics().horizontalAdvance(QString::fromStdString(m_config.servos[servo].name));
    if (at.x() > leftMargin && at.x() + wide > right) at = QPoint(leftMargin, at.y() + fontMetrics().height());
    spots.push_back(at);
    at.rx() += wide + 12;
  }
  return spots;
}

// Each note wrapped to the plot's width, top to bottom.
std::vector<QRect> TimelineWindow::noteRects() const {
  std::vector<QRect> rects;
  int top = gap;
  for (const QString &note : m_notes) {
    rects.push_back(fontMetrics().boundingRect(QRect(leftMargin, top, width() - leftMargin - rightMargin, 0),
                                               Qt::TextWordWrap, note));
    top = rects.back().bottom() + 1;
  }
  return rects;
}

TimelineWindow::Areas TimelineWindow::areas() const {
  const int line = fontMetrics().height();
  const int width = this->width() - leftMargin - rightMargin;
  Areas a;
  const std::vector<QRect> notes = noteRects();
  a.notes = QRect(leftMargin, gap, width, notes.empty() ? 0 : notes.back().bottom() + 1 - gap);
  const int legendTop = a.notes.bottom() + gap;
  const std::vector<QPoint> spots = legendSpots(legendTop);
  a.legend = QRect(leftMargin, legendTop, width, (spots.empty() ? 0 : spots.back().y() - legendTop) + line + gap);
  const int axisTop = height() - m_hscTime->sizeHint().height() - line - gap;
  a.axis = QRect(leftMargin, axisTop, width, line + gap);
  a.marks = QRect(leftMargin, axisTop - 2 * line - gap, width, 2 * line + gap);
  a.plot = QRect(leftMargin, a.legend.bottom() + gap, width, a.marks.top() - a.legend.bottom() - 2 * gap);
  return a;
}

void TimelineWindow::resizeEvent(QResizeEvent *) {
  const int bar = m_hscTime->sizeHint().height();
  m_hscTime->setGeometry(leftMargin, height() - bar, width() - leftMargin - rightMargin, bar);
  showScrollRange();
}

void TimelineWindow::showScrollRange() {
  const int length = m_shown ? static_cast<int>(std::ceil((m_shown->sim.endMs + 500.0) / m_msPerPixel)) : 0;
  const int visible = areas().plot.width();
  m_hscTime->setRange(0, std::max(0, length - visible));
  m_hscTime->setPageStep(visible);
  m_hscTime->setSingleStep(std::max(1, visible / 10));
}

void TimelineWindow::zoom(double factor, int aroundX) {
  if (!m_shown) return;
  const double coarsest = std::max(finestMsPerPixel, (m_shown->sim.endMs + 500.0) / std::max(1, areas().plot.width()));
  const double anchor = timeAt(aroundX);
  m_msPerPixel = std::clamp(m_msPerPixel / factor, finestMsPerPixel, coarsest);
  showScrollRange();
  m_hscTime->setValue(static_cast<int>(std::lround(anchor / m_msPerPixel)) - (aroundX - areas().plot.left()));
  update();
}

void TimelineWindow::wheelEvent(QWheelEvent *event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches != 0) zoom(std::pow(1.25, notches), static_cast<int>(event->position().x()));
}

void TimelineWindow::keyPressEvent(QKeyEvent *event) {
  const int middle = areas().plot.center().x();
  switch (event->key()) {
  case Qt::Key_Plus:
  case Qt::Key_Equal:
    zoom(1.5, middle);
    break;
  case Qt::Key_Minus:
    zoom(1 / 1.5, middle);
    break;
  case Qt::Key_Left:
    m_hscTime->triggerAction(QAbstractSlider::SliderSingleStepSub);
    break;
  case Qt::Key_Right:
    m_hscTime->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    break;
  case Qt::Key_Up:
  case Qt::Key_Down:
    pickNextLine(event->key() == Qt::Key_Down ? 1 : -1);
    break;
  default:
    QWidget::keyPressEvent(event);
  }
}

// A click at a moment marks the line running then, as a click on its row in the grid would.
void TimelineWindow::mousePressEvent(QMouseEvent *event) {
  const Areas a = areas();
  const QPoint at = event->position().toPoint();
  if (!m_shown || at.y() < a.plot.top() || at.y() > a.axis.bottom() || at.x() < a.plot.left()) return;
  pick(static_cast<int>(timeAt(at.x())));
}

void TimelineWindow::pick(int timeMs) {
  m_pickedMs = timeMs;
  refreshNotes();
  const LineRun *run = m_shown->sim.lineRunningAt(timeMs);
  if (run && m_runner.idle() && run->row < m_script.lines().rowCount()) m_script.lines().select(run->row);
}

// The line after (or before) the one picked, its start brought into sight.
void TimelineWindow::pickNextLine(int step) {
  if (!m_shown || m_shown->sim.lineRuns.empty()) return;
  const std::vector<LineRun> &runs = m_shown->sim.lineRuns;
  const LineRun *picked = m_pickedMs ? m_shown->sim.lineRunningAt(*m_pickedMs) : nullptr;
  const long at = picked ? (picked - runs.data()) + step : step > 0 ? 0 : static_cast<long>(runs.size()) - 1;
  const LineRun &run = runs[static_cast<size_t>(std::clamp(at, 0L, static_cast<long>(runs.size()) - 1))];
  const QRect plot = areas().plot;
  if (const int x = xOf(run.timeMs); x < plot.left() || x > plot.right())
    m_hscTime->setValue(static_cast<int>(std::lround(run.timeMs / m_msPerPixel)) - plot.width() / 4);
  pick(run.timeMs);
}

// Hovering over a moment tells of the line running then, as a click does in the notes.
bool TimelineWindow::event(QEvent *event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto *help = static_cast<QHelpEvent *>(event);
  const Areas a = areas();
  const LineRun *run = nullptr;
  if (m_shown && help->x() >= a.plot.left() && help->y() >= a.plot.top() && help->y() <= a.axis.bottom())
    run = m_shown->sim.lineRunningAt(static_cast<int>(timeAt(help->x())));
  if (run) QToolTip::showText(help->globalPos(), lineText(*run), this);
  else QToolTip::hideText();
  return true;
}

// "Line 3 at 1.2 s, Wave: Servo0 127 → 200 at speed 32; 11 servos unchanged — 2.3 s", against
// the pose the run holds when the line starts, so a loop's first pose is read against its last.
QString TimelineWindow::lineText(const LineRun &run) const {
  const QString head = QString("Line %1 at %2").arg(run.row).arg(seconds(run.timeMs, 1));
  const auto node = classifyLine(run.text).kind == LineKind::Node ? m_script.nodes().find(run.text) : std::nullopt;
  if (!node) return head + ": " + QString::fromStdString(run.text);
  return head + ", " + QString::fromStdString(run.text) + ": " +
         QString::fromStdString(poseChangeText(run.before, m_script.nodes().node(*node), servoNames(m_config), run.easing));
}

void TimelineWindow::refreshNotes() {
  m_notes = noteLines();
  setAccessibleDescription(m_notes.join('\n')); // what a screen reader has of the picture
  showScrollRange(); // the plot is as wide as ever but may stand lower
  update();
}

QStringList TimelineWindow::noteLines() const {
  QStringList notes{"Every servo starts at its home position; a WAIT is answered at once."};
  if (!m_shown) {
    notes << "Playing the script ahead...";
    return notes;
  }
  const Simulation &sim = m_shown->sim;
  if (sim.failure) notes << QString::fromStdString(*sim.failure);
  else if (sim.capped) notes << QString("Shown up to %1; the script runs on.").arg(seconds(sim.endMs, 0));
  else if (!sim.loops.empty())
    notes << QString("Each loop is shown once, %1 in all; a run repeats the loop from line %2 to line %3 (%4 a pass) until STOP.")
                 .arg(seconds(sim.endMs, 1)).arg(sim.loops[0].startRow).arg(sim.loops[0].endRow)
                 .arg(seconds(sim.loops[0].endMs - sim.loops[0].startMs, 1));
  else notes << QString("The script ends after %1.").arg(seconds(sim.endMs, 1));
  const QString line = QString("The line at %1 bit/s carries %2 frames a second; the script asks up to %3.")
                           .arg(m_shown->baud).arg(std::lround(m_shown->load.capacityPerSecond)).arg(m_shown->load.peakFramesPerSecond);
  if (m_shown->load.overloaded.empty()) notes << line + " It never asks for more.";
  else notes << line + QString(" Shaded: it asks for more; the worst lag is %1 ms.").arg(std::lround(m_shown->load.worstLagMs));
  const LineRun *picked = m_pickedMs ? sim.lineRunningAt(*m_pickedMs) : nullptr;
  notes << (picked ? lineText(*picked) : QString("Click a moment, or press Up or Down, to see the line running then and what it changes."));
  return notes;
}

void TimelineWindow::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const Areas a = areas();
  const int line = fontMetrics().height();

  const std::vector<QRect> notes = noteRects();
  for (size_t i = 0; i < notes.size(); ++i) {
    const bool failure = i == 1 && m_shown && m_shown->sim.failure;
    painter.setPen(failure ? QColor(180, 0, 0) : palette().windowText().color());
    painter.drawText(notes[i], Qt::TextWordWrap, m_notes[static_cast<int>(i)]);
  }

  const std::vector<QPoint> spots = legendSpots(a.legend.top());
  painter.setPen(palette().windowText().color());
  for (int servo = 0; servo < static_cast<int>(spots.size()); ++servo) {
    painter.fillRect(QRect(spots[servo].x(), spots[servo].y() + line / 2 - 2, 14, 4), servoColour(servo));
    painter.drawText(spots[servo] + QPoint(18, fontMetrics().ascent()), QString::fromStdString(m_config.servos[servo].name));
  }

  painter.fillRect(a.plot, palette().base());
  painter.setPen(palette().mid().color());
  painter.drawRect(a.plot.adjusted(0, 0, -1, -1));
  for (int position : {lowestPosition, startPosition, highestPosition}) {
    const int y = a.plot.bottom() - (a.plot.height() - 1) * position / highestPosition;
    painter.setPen(palette().windowText().color());
    painter.drawText(QRect(0, y - line / 2, leftMargin - gap, line), Qt::AlignRight | Qt::AlignVCenter, QString::number(position));
  }
  if (!m_shown) return;
  painter.save();
  painter.setClipRect(a.plot.united(a.marks));
  paintMarks(painter, a);
  painter.setClipRect(a.plot);
  paintTraces(painter, a.plot);
  painter.restore();
  paintAxis(painter, a.axis);
}

void TimelineWindow::paintMarks(QPainter &painter, const Areas &a) const {
  const Simulation &sim = m_shown->sim;
  for (const OverloadSpan &span : m_shown->load.overloaded)
    painter.fillRect(QRect(QPoint(xOf(span.startMs), a.plot.top()), QPoint(xOf(span.endMs), a.plot.bottom())), QColor(230, 0, 0, 60));
  for (const PauseSpan &pause : sim.pauses)
    painter.fillRect(QRect(QPoint(xOf(pause.startMs), a.plot.top()), QPoint(xOf(pause.endMs), a.plot.bottom())), QColor(0, 0, 0, 25));
  if (const LineRun *picked = m_pickedMs ? sim.lineRunningAt(*m_pickedMs) : nullptr) {
    const bool last = picked == &sim.lineRuns.back();
    const int endMs = last ? sim.endMs : (picked + 1)->timeMs;
    painter.fillRect(QRect(QPoint(xOf(picked->timeMs), a.plot.top()), QPoint(xOf(endMs), a.plot.bottom())), QColor(0, 110, 220, 35));
  }

  const int line = fontMetrics().height();
  int labelEnd[2] = {a.marks.left() - 1000, a.marks.left() - 1000};
  int lane = 0, lastX = a.plot.left() - 1000;
  for (const LineRun &run : sim.lineRuns) {
    const int x = xOf(run.timeMs);
    if (x < a.plot.left() - 200 || x > a.plot.right()) continue;
    const bool wait = std::binary_search(sim.waits.begin(), sim.waits.end(), run.timeMs);
    const QColor colour = wait ? QColor(200, 110, 0) : palette().mid().color();
    if (x != lastX || wait) { // one mark a pixel is all a zoomed-out long script can show
      painter.setPen(QPen(colour, 1, Qt::DotLine));
      painter.drawLine(x, a.plot.top(), x, a.marks.top() + (lane + 1) * line);
      lastX = x;
    }
    if (x > labelEnd[lane]) {
      const QString text = fontMetrics().elidedText(QString::fromStdString(run.text), Qt::ElideRight, 140);
      painter.setPen(wait ? colour : palette().windowText().color());
      painter.drawText(QPoint(x + 2, a.marks.top() + lane * line + fontMetrics().ascent()), text);
      labelEnd[lane] = x + 2 + fontMetrics().horizontalAdvance(text) + 4;
    }
    lane = 1 - lane;
  }
  painter.setPen(QPen(QColor(0, 100, 0), 2));
  for (const LoopPass &loop : sim.loops) {
    const int from = xOf(loop.startMs), to = xOf(loop.endMs);
    painter.drawLine(from, a.plot.top() + 3, to, a.plot.top() + 3);
    painter.drawText(QPoint(from + 4, a.plot.top() + 4 + fontMetrics().ascent()),
                     "loop of " + seconds(loop.endMs - loop.startMs, 1));
  }
  if (sim.failure) {
    painter.setPen(QPen(QColor(180, 0, 0), 2));
    painter.drawLine(xOf(sim.endMs), a.plot.top(), xOf(sim.endMs), a.plot.bottom());
  }
}

void TimelineWindow::paintTraces(QPainter &painter, const QRect &plot) const {
  const Simulation &sim = m_shown->sim;
  const double shownFrom = timeAt(plot.left()) - 1, shownTo = timeAt(plot.right()) + 1;
  auto y = [&plot](int position) { return plot.bottom() - (plot.height() - 1.0) * position / highestPosition; };
  painter.setRenderHint(QPainter::Antialiasing);
  for (int servo = 0; servo < m_config.servoCount(); ++servo) {
    const std::vector<PositionChange> &trace = m_shown->traces[servo];
    // From the last change before the visible span, so the line enters it where it stands.
    auto from = std::lower_bound(trace.begin(), trace.end(), shownFrom,
                                 [](const PositionChange &change, double t) { return change.timeMs < t; });
    int last = from == trace.begin() ? sim.start[servo] : std::prev(from)->position;
    QPolygonF points;
    points << QPointF(xOf(from == trace.begin() ? 0 : std::prev(from)->timeMs), y(last));
    // The changes that fall on one pixel column become its first, lowest, highest and last
    // positions, so a long trace costs the window's width to draw, not its length.
    for (auto change = from; change != trace.end() && change->timeMs <= shownTo;) {
      const int x = xOf(change->timeMs);
      const int first = change->position;
      int low = first, high = first;
      for (; change != trace.end() && change->timeMs <= shownTo && xOf(change->timeMs) == x; ++change) {
        low = std::min<int>(low, change->position);
        high = std::max<int>(high, change->position);
        last = change->position;
      }
      points << QPointF(x, y(first));
      if (low != high) points << QPointF(x, y(low)) << QPointF(x, y(high));
      points << QPointF(x, y(last));
    }
    points << QPointF(xOf(std::min<double>(sim.endMs, shownTo)), y(last));
    painter.setPen(QPen(servoColour(servo), 1.5));
    // In short pieces: a stroked path that crosses itself thousands of times costs the
    // rasteriser far more than the same segments drawn a few at a time.
    constexpr qsizetype piece = 16;
    for (qsizetype at = 0; at + 1 < points.size(); at += piece)
      painter.drawPolyline(points.constData() + at, static_cast<int>(std::min(piece + 1, points.size() - at)));
  }
}

void TimelineWindow::paintAxis(QPainter &painter, const QRect &axis) const {
  painter.setPen(palette().windowText().color());
  painter.drawLine(axis.topLeft(), axis.topRight());
  const double step = tickStepMs(m_msPerPixel, 70);
  const int decimals = step >= 1000 ? 0 : step >= 100 ? 1 : step >= 10 ? 2 : 3;
  for (double t = std::ceil(timeAt(axis.left()) / step) * step; t <= timeAt(axis.right()); t += step) {
    const int x = xOf(t);
    painter.drawLine(x, axis.top(), x, axis.top() + gap);
    painter.drawText(QPoint(x + 2, axis.top() + gap + fontMetrics().ascent()), seconds(t, decimals));
  }
}

} // namespace quarnel
