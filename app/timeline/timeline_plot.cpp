// The timeline's painting, its zoom and scroll, the click that selects a line, and the notes
// a screen reader has of the picture.
#include "timeline/timeline_plot.h"

#include "script/script_model.h"
#include "script/script_runner.h"
#include "simulation/sound_band.h"
#include "simulation/timeline_notes.h"
#include "simulation/trace_columns.h"
#include "timeline/trace_colours.h"
#include "widgets/accessible_role.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <limits>

namespace quarnel {

namespace {

constexpr double wheelNotchZoom = 1.25, keyZoom = 1.5;
constexpr int scrollStepsPerPage = 10;
// A line brought into sight by Up or Down stands this fraction of the plot in from its left.
constexpr int sightedLineFraction = 4;

// The marks along the time axis: a line's name elided to this width, and drawn for lines this
// far left of the plot, so a name that starts there still reaches into it.
constexpr int markLabelWidth = 140, markLead = 200;
constexpr int labelIndent = 2, labelSpacing = 4;
constexpr int loopBarInset = 3, loopLabelInset = 4; // from the plot's top and the loop's start
constexpr qreal tracePen = 1.5, emphasisPen = 2;
// Drawn in short pieces: a stroked path that crosses itself thousands of times costs the
// rasteriser far more than the same segments drawn a few at a time.
constexpr qsizetype tracePiece = 16;

// Made readable on the window's ground where they are drawn (trace_colours.h).
const QColor failureColour(180, 0, 0), waitColour(200, 110, 0), loopColour(0, 100, 0);
// Tints over the plot: red for the line's overload; the pauses and the line picked in the
// palette's own text and highlight colours, so they show on a light ground and a dark one.
const QColor overloadShade(230, 0, 0, 60);
constexpr int pauseAlpha = 25, pickedAlpha = 40;

QColor tint(QColor colour, int alpha) {
  colour.setAlpha(alpha);
  return colour;
}

// A sound's span is shaded faintly in its outline's colour.
constexpr int soundSpanAlpha = 40;

QString toQt(const std::string &text) { return QString::fromStdString(text); }

} // namespace

TimelinePlot::TimelinePlot(ScriptModel &script, const ScriptRunner &runner, const ServoConfiguration &config,
                           QWidget *parent)
    : QWidget(parent), m_script(script), m_runner(runner), m_config(config) {
  setObjectName("picPlot");
  setAccessibleRole(*this, QAccessible::Chart);
  setAccessibleName(tr("Servo positions over time"));
  setFocusPolicy(Qt::StrongFocus);
  m_hscTime = new QScrollBar(Qt::Horizontal, this);
  m_hscTime->setObjectName("hscTime");
  connect(m_hscTime, &QScrollBar::valueChanged, this, [this] { update(); });
  refreshNotes();
}

void TimelinePlot::showResult(std::shared_ptr<const PlayedAhead> result) {
  const bool first = !m_shown;
  m_shown = std::move(result);
  if (first) m_scale = TimeScale::wholeRun(m_shown->sim.endMs, layout().plot.width());
  refreshNotes();
}

int TimelinePlot::xOf(double timeMs) const {
  return timelineLeftMargin + m_scale.pixelOf(timeMs) - m_hscTime->value();
}

double TimelinePlot::timeAt(int x) const { return m_scale.timeAt(x - timelineLeftMargin + m_hscTime->value()); }

TimelineLayout TimelinePlot::layout() const {
  return TimelineLayout::of(fontMetrics(), size(), m_hscTime->sizeHint().height(), m_notes, legendNames(),
                            m_shown && !m_shown->sim.sounds.empty());
}

std::vector<int> TimelinePlot::movingServos() const {
  std::vector<int> moving;
  if (m_shown)
    for (int servo = 0; servo < m_config.servoCount(); ++servo)
      if (!m_shown->traces[servo].empty()) moving.push_back(servo);
  return moving;
}

QStringList TimelinePlot::legendNames() const {
  QStringList names;
  for (int servo : movingServos()) names << toQt(m_config.servos[servo].name);
  return names;
}

void TimelinePlot::resizeEvent(QResizeEvent *) {
  const int bar = m_hscTime->sizeHint().height();
  m_hscTime->setGeometry(timelineLeftMargin, height() - bar, width() - timelineLeftMargin - timelineRightMargin, bar);
  showScrollRange();
}

void TimelinePlot::showScrollRange() {
  const int length = m_shown ? m_scale.runLength(m_shown->sim.endMs) : 0;
  const int visible = layout().plot.width();
  m_hscTime->setRange(0, std::max(0, length - visible));
  m_hscTime->setPageStep(visible);
  m_hscTime->setSingleStep(std::max(1, visible / scrollStepsPerPage));
}

// The moment under `aroundX` stays under it.
void TimelinePlot::zoom(double factor, int aroundX) {
  if (!m_shown) return;
  const QRect plot = layout().plot;
  const double anchor = timeAt(aroundX);
  m_scale = m_scale.zoomed(factor, m_shown->sim.endMs, plot.width());
  showScrollRange();
  m_hscTime->setValue(m_scale.pixelOf(anchor) - (aroundX - plot.left()));
  update();
}

void TimelinePlot::wheelEvent(QWheelEvent *event) {
  const double notches = double(event->angleDelta().y()) / int(QWheelEvent::DefaultDeltasPerStep);
  if (notches != 0) zoom(std::pow(wheelNotchZoom, notches), static_cast<int>(event->position().x()));
}

void TimelinePlot::keyPressEvent(QKeyEvent *event) {
  const int middle = layout().plot.center().x();
  switch (event->key()) {
  case Qt::Key_Plus:
  case Qt::Key_Equal:
    zoom(keyZoom, middle);
    break;
  case Qt::Key_Minus:
    zoom(1 / keyZoom, middle);
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

// The moment at a point of the plot, the marks or the axis, once a run is shown.
std::optional<int> TimelinePlot::momentAt(QPoint at) const {
  const TimelineLayout a = layout();
  if (!m_shown || at.x() < a.plot.left() || at.y() < a.plot.top() || at.y() > a.axis.bottom()) return std::nullopt;
  return static_cast<int>(timeAt(at.x()));
}

const LineRun *TimelinePlot::pickedRun() const {
  return m_shown && m_pickedMs ? m_shown->sim.lineRunningAt(*m_pickedMs) : nullptr;
}

// A click at a moment marks the line running then, as a click on its row in the grid would.
void TimelinePlot::mousePressEvent(QMouseEvent *event) {
  if (const auto moment = momentAt(event->position().toPoint())) pick(*moment);
}

void TimelinePlot::pick(int timeMs) {
  m_pickedMs = timeMs;
  refreshNotes();
  const LineRun *run = pickedRun();
  if (run && m_runner.idle() && run->row < m_script.lines().rowCount()) m_script.lines().select(run->row);
}

// The line after (or before) the one picked, its start brought into sight.
void TimelinePlot::pickNextLine(int step) {
  if (!m_shown || m_shown->sim.lineRuns.empty()) return;
  const std::vector<LineRun> &runs = m_shown->sim.lineRuns;
  const LineRun *picked = pickedRun();
  const long at = picked ? (picked - runs.data()) + step : step > 0 ? 0 : static_cast<long>(runs.size()) - 1;
  const LineRun &run = runs[static_cast<size_t>(std::clamp(at, 0L, static_cast<long>(runs.size()) - 1))];
  const QRect plot = layout().plot;
  if (const int x = xOf(run.timeMs); x < plot.left() || x > plot.right())
    m_hscTime->setValue(m_scale.pixelOf(run.timeMs) - plot.width() / sightedLineFraction);
  pick(run.timeMs);
}

// Hovering over a moment tells of the line running then, as a click does in the notes.
bool TimelinePlot::event(QEvent *event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto *help = static_cast<QHelpEvent *>(event);
  const auto moment = momentAt(help->pos());
  const LineRun *run = moment ? m_shown->sim.lineRunningAt(*moment) : nullptr;
  if (!run) {
    QToolTip::hideText();
    return true;
  }
  QString tip = toQt(lineText(*run, m_script.nodes(), m_config));
  if (const QString sound = soundNote(*moment); !sound.isEmpty()) tip += '\n' + sound;
  QToolTip::showText(help->globalPos(), tip, this);
  return true;
}

void TimelinePlot::refreshNotes() {
  m_notes.clear();
  for (const std::string &note : timelineNotes(m_shown.get(), pickedRun(), m_script.nodes(), m_config))
    m_notes << toQt(note);
  if (m_pickedMs)
    if (const QString sound = soundNote(*m_pickedMs); !sound.isEmpty()) m_notes << sound;
  setAccessibleDescription(m_notes.join('\n')); // what a screen reader has of the picture
  showScrollRange(); // the plot is as wide as ever but may stand lower
  update();
}

// "Playing voice.wav: 1.2 s of 4.5 s." for a moment while a sound plays, else nothing.
QString TimelinePlot::soundNote(int timeMs) const {
  const SoundSpan *sound = m_shown ? soundPlayingAt(m_shown->sim, timeMs) : nullptr;
  if (!sound) return {};
  return tr("Playing %1: %2 of %3.")
      .arg(toQt(soundName(m_shown->sim, *sound)), toQt(secondsText(timeMs - sound->startMs, 1)),
           toQt(secondsText(sound->sound->lengthMs(), 1)));
}

void TimelinePlot::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const TimelineLayout a = layout();
  paintNotesAndLegend(painter, a);
  paintPlot(painter, a.plot);
  if (!m_shown) return;
  if (!a.sound.isEmpty()) paintGround(painter, a.sound); // under the marks, which run across it
  painter.save();
  painter.setClipRect(a.plot.united(a.marks));
  paintMarks(painter, a);
  painter.setClipRect(a.plot);
  paintTraces(painter, a.plot);
  if (!m_shown->sim.sounds.empty()) {
    painter.setClipRect(a.sound);
    paintSounds(painter, a.sound);
  }
  painter.restore();
  paintAxis(painter, a.axis);
}

void TimelinePlot::paintNotesAndLegend(QPainter &painter, const TimelineLayout &a) const {
  for (size_t i = 0; i < a.noteRects.size(); ++i) {
    const bool failure = i == outcomeNote && m_shown && m_shown->sim.failure;
    painter.setPen(failure ? readableOn(failureColour, palette().window().color(), textContrast)
                           : palette().windowText().color());
    painter.drawText(a.noteRects[i], Qt::TextWordWrap, m_notes[static_cast<int>(i)]);
  }
  const int line = fontMetrics().height();
  painter.setPen(palette().windowText().color());
  const std::vector<int> servos = movingServos();
  for (size_t entry = 0; entry < a.legendSpots.size(); ++entry) {
    const QPoint spot = a.legendSpots[entry];
    const int servo = servos[entry];
    // The swatch as the trace looks on the plot's ground.
    painter.fillRect(QRect(QPoint(spot.x(), spot.y() + line / 2 - legendSwatch.height() / 2), legendSwatch),
                     servoColour(servo, palette().base().color()));
    painter.drawText(spot + QPoint(legendNameIndent, fontMetrics().ascent()), toQt(m_config.servos[servo].name));
  }
}

// The plot's ground, frame and position labels, run or no run.
void TimelinePlot::paintPlot(QPainter &painter, const QRect &plot) const {
  const int line = fontMetrics().height();
  paintGround(painter, plot);
  painter.setPen(palette().windowText().color());
  for (int position : {lowestPosition, startPosition, highestPosition}) {
    const int y = plot.bottom() - (plot.height() - 1) * position / highestPosition;
    painter.drawText(QRect(0, y - line / 2, timelineLeftMargin - timelineGap, line), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(position));
  }
}

void TimelinePlot::paintGround(QPainter &painter, const QRect &area) const {
  painter.fillRect(area, palette().base());
  painter.setPen(palette().mid().color());
  painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void TimelinePlot::paintMarks(QPainter &painter, const TimelineLayout &a) const {
  const Simulation &sim = m_shown->sim;
  auto shade = [&](int startMs, int endMs, const QColor &colour) {
    painter.fillRect(QRect(QPoint(xOf(startMs), a.plot.top()), QPoint(xOf(endMs), a.plot.bottom())), colour);
  };
  for (const OverloadSpan &span : m_shown->load.overloaded) shade(span.startMs, span.endMs, overloadShade);
  for (const PauseSpan &pause : sim.pauses) shade(pause.startMs, pause.endMs, tint(palette().text().color(), pauseAlpha));
  if (const LineRun *picked = pickedRun())
    shade(picked->timeMs, picked == &sim.lineRuns.back() ? sim.endMs : (picked + 1)->timeMs,
          tint(palette().highlight().color(), pickedAlpha));
  const QColor ground = palette().base().color();

  // The names in two lanes, each name drawn where the last in its lane has ended.
  const int line = fontMetrics().height();
  std::array<int, 2> labelEnd{std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
  int lane = 0, lastX = std::numeric_limits<int>::min();
  for (const LineRun &run : sim.lineRuns) {
    const int x = xOf(run.timeMs);
    if (x < a.plot.left() - markLead || x > a.plot.right()) continue;
    const bool wait = std::binary_search(sim.waits.begin(), sim.waits.end(), run.timeMs);
    const QColor colour = wait ? readableOn(waitColour, ground, lineContrast) : palette().mid().color();
    if (x != lastX || wait) { // one mark a pixel is all a zoomed-out long script can show
      painter.setPen(QPen(colour, 1, Qt::DotLine));
      painter.drawLine(x, a.plot.top(), x, a.marks.top() + (lane + 1) * line);
      lastX = x;
    }
    if (x > labelEnd[lane]) {
      const QString text = fontMetrics().elidedText(toQt(run.text), Qt::ElideRight, markLabelWidth);
      painter.setPen(wait ? readableOn(waitColour, palette().window().color(), textContrast)
                          : palette().windowText().color());
      painter.drawText(QPoint(x + labelIndent, a.marks.top() + lane * line + fontMetrics().ascent()), text);
      labelEnd[lane] = x + labelIndent + fontMetrics().horizontalAdvance(text) + labelSpacing;
    }
    lane = 1 - lane;
  }
  painter.setPen(QPen(readableOn(loopColour, ground, textContrast), emphasisPen));
  for (const LoopPass &loop : sim.loops) {
    const int from = xOf(loop.startMs), to = xOf(loop.endMs);
    painter.drawLine(from, a.plot.top() + loopBarInset, to, a.plot.top() + loopBarInset);
    painter.drawText(QPoint(from + loopLabelInset, a.plot.top() + loopLabelInset + fontMetrics().ascent()),
                     tr("loop of %1").arg(toQt(secondsText(loop.endMs - loop.startMs, 1))));
  }
  if (sim.failure) {
    painter.setPen(QPen(readableOn(failureColour, ground, lineContrast), emphasisPen));
    painter.drawLine(xOf(sim.endMs), a.plot.top(), xOf(sim.endMs), a.plot.bottom());
  }
}

void TimelinePlot::paintTraces(QPainter &painter, const QRect &plot) const {
  const Simulation &sim = m_shown->sim;
  const double shownFrom = timeAt(plot.left()) - 1, shownTo = timeAt(plot.right()) + 1;
  const int origin = xOf(0);
  auto y = [&plot](int position) { return plot.bottom() - (plot.height() - 1.0) * position / highestPosition; };
  painter.setRenderHint(QPainter::Antialiasing);
  // A servo that never moves would be a flat line of a colour the legend does not name.
  for (int servo : movingServos()) {
    const std::vector<TracePoint> trace =
        traceColumns(m_shown->traces[servo], sim.start[servo], sim.endMs, m_scale, shownFrom, shownTo);
    QPolygonF points;
    points.reserve(static_cast<qsizetype>(trace.size()));
    for (const TracePoint &point : trace) points << QPointF(origin + point.pixel, y(point.position));
    painter.setPen(QPen(servoColour(servo, palette().base().color()), tracePen));
    for (qsizetype at = 0; at + 1 < points.size(); at += tracePiece)
      painter.drawPolyline(points.constData() + at, static_cast<int>(std::min(tracePiece + 1, points.size() - at)));
  }
}

// Each sound's file name (its folder left out) from its start along the band's top, and its
// outline under it, a column at a time about the middle; silence draws the middle line, so the
// sound's whole span shows.
void TimelinePlot::paintSounds(QPainter &painter, const QRect &band) const {
  const double shownFrom = timeAt(band.left()) - 1, shownTo = timeAt(band.right()) + 1;
  const QRect outline = band.adjusted(0, fontMetrics().height(), 0, -1);
  const int origin = xOf(0), middle = outline.center().y(), reach = outline.height() / 2 - 1;
  painter.setRenderHint(QPainter::Antialiasing, false); // a column is one pixel wide, not two faint ones
  const QColor colour = soundColour(palette().windowText().color(), palette().base().color());
  const Simulation &sim = m_shown->sim;
  for (size_t i = 0; i < sim.sounds.size(); ++i) {
    const SoundSpan &sound = sim.sounds[i];
    const WaveColumns columns = waveColumns(sound, *m_shown->outlines[i], m_scale, shownFrom, shownTo);
    if (columns.spans.empty()) continue;
    painter.fillRect(QRect(QPoint(xOf(sound.startMs), band.top()), QPoint(xOf(sound.endMs), band.bottom())),
                     tint(colour, soundSpanAlpha));
    QList<QLine> lines;
    lines.reserve(static_cast<qsizetype>(columns.spans.size()));
    int x = origin + columns.firstPixel;
    for (const SampleSpan &span : columns.spans) {
      lines.append(QLine(x, middle - static_cast<int>(std::lround(span.highest * reach)), x,
                         middle - static_cast<int>(std::lround(span.lowest * reach))));
      ++x;
    }
    painter.setPen(colour);
    painter.drawLines(lines);
    painter.setPen(palette().windowText().color());
    const std::string file = std::filesystem::path(soundName(sim, sound)).filename().string();
    const QString name = fontMetrics().elidedText(toQt(file), Qt::ElideRight, markLabelWidth);
    painter.drawText(QPoint(xOf(sound.startMs) + labelIndent, band.top() + fontMetrics().ascent()), name);
  }
}

void TimelinePlot::paintAxis(QPainter &painter, const QRect &axis) const {
  painter.setPen(palette().windowText().color());
  painter.drawLine(axis.topLeft(), axis.topRight());
  const AxisTicks ticks = m_scale.ticks();
  const double last = timeAt(axis.right());
  for (double t = std::ceil(timeAt(axis.left()) / ticks.stepMs) * ticks.stepMs; t <= last; t += ticks.stepMs) {
    const int x = xOf(t);
    painter.drawLine(x, axis.top(), x, axis.top() + timelineGap);
    painter.drawText(QPoint(x + labelIndent, axis.top() + timelineGap + fontMetrics().ascent()),
                     toQt(secondsText(t, ticks.decimals)));
  }
}

} // namespace quarnel
