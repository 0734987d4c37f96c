// The timeline's picture: every servo's position over time as the played-ahead run has it, the
// lines and pauses marked along the time axis, the spans the serial line cannot carry shaded,
// and notes above it that a screen reader has as its description. It takes the keyboard: + and
// - zoom, Left and Right scroll, Up and Down pick the line before or after.
#pragma once

#include "simulation/played_ahead.h"
#include "simulation/time_scale.h"
#include "timeline/timeline_layout.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QScrollBar;

namespace quarnel {

class ScriptModel;
class ScriptRunner;

class TimelinePlot : public QWidget {
  Q_OBJECT

public:
  TimelinePlot(ScriptModel &script, const ScriptRunner &runner, const ServoConfiguration &config, QWidget *parent);

  void showResult(std::shared_ptr<const PlayedAhead> result);
  // The run on show, once one is computed.
  const Simulation *simulation() const { return m_shown ? &m_shown->sim : nullptr; }
  // The x of `timeMs` in the plot, for a reader of the picture.
  int xOf(double timeMs) const;
  // The names in the legend, for a reader of the picture: the servos that move in the run.
  QStringList legendNames() const;
  // Where the sounds are drawn, for a reader of the picture.
  QRect soundBand() const { return layout().sound; }

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  bool event(QEvent *event) override;

private:
  TimelineLayout layout() const;
  std::vector<int> movingServos() const;
  void zoom(double factor, int aroundX);
  void showScrollRange();
  double timeAt(int x) const;
  std::optional<int> momentAt(QPoint at) const;
  const LineRun *pickedRun() const;
  void refreshNotes();
  QString soundNote(int timeMs) const;
  void pick(int timeMs);
  void pickNextLine(int step);

  void paintNotesAndLegend(QPainter &painter, const TimelineLayout &a) const;
  void paintPlot(QPainter &painter, const QRect &plot) const;
  void paintGround(QPainter &painter, const QRect &area) const;
  void paintMarks(QPainter &painter, const TimelineLayout &a) const;
  void paintTraces(QPainter &painter, const QRect &plot) const;
  void paintSounds(QPainter &painter, const QRect &band) const;
  void paintAxis(QPainter &painter, const QRect &axis) const;

  ScriptModel &m_script;
  const ScriptRunner &m_runner;
  const ServoConfiguration &m_config;

  std::shared_ptr<const PlayedAhead> m_shown;
  TimeScale m_scale;
  std::optional<int> m_pickedMs; // the moment last clicked, its line described in the notes
  QStringList m_notes;
  QScrollBar *m_hscTime = nullptr;
};

} // namespace quarnel
