// frmTimeline: every servo's position over time as the current script will produce it, the
// sounds it plays drawn under them, the lines and pauses marked along the time axis, the spans
// the serial line cannot carry shaded.
// A view over a run played ahead by its worker, played again when the script, its nodes, the
// servo rows or the speed change.
#pragma once

#include "script/script_lines.h"
#include "simulation/played_ahead.h"
#include "simulation/time_scale.h"
#include "timeline/timeline_layout.h"
#include "timeline/timeline_worker.h"

#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

class QScrollBar;

namespace quarnel {

class ScriptEdits;
class ScriptModel;
class ScriptRunner;

class TimelineWindow : public QWidget {
  Q_OBJECT

public:
  // Follows the script's lines, and its nodes through the edits.
  TimelineWindow(ScriptModel &script, ScriptEdits &edits, const ScriptRunner &runner, const MotionModel &motion,
                 const ServoConfiguration &config);
  ~TimelineWindow() override;

  // Beside the windows it serves, made smaller to stand clear of them where that helps; left
  // where the user has put it when it is up already.
  void showBeside(const QWidget &scriptWindow, const QWidget &controlWindow);
  // What the run is played from may have changed, the speed say: while the window is up, the
  // run is played again once the changes pause; else when it next shows.
  void inputChanged();
  // The run on show, once one is computed.
  const Simulation *simulation() const { return m_shown ? &m_shown->sim : nullptr; }
  // The x of `timeMs` in the plot, and where the sounds are drawn, for a reader of the picture.
  int xOf(double timeMs) const;
  QRect soundBand() const { return layout().sound; }

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void showEvent(QShowEvent *event) override;
  bool event(QEvent *event) override;

private:
  TimelineLayout layout() const;
  void playIfChanged();
  void showResult(std::shared_ptr<const PlayedAhead> result);
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
  const MotionModel &m_motion;
  const ServoConfiguration &m_config;
  ScriptLines::ListenerId m_linesListener;

  std::optional<SimulationInput> m_input; // what the last run was played from
  std::shared_ptr<const PlayedAhead> m_shown;
  TimeScale m_scale;
  std::optional<int> m_pickedMs; // the moment last clicked, its line described in the notes
  QStringList m_notes;

  QTimer m_debounce; // lets a burst of edits settle before the run is played again
  QScrollBar *m_hscTime = nullptr;
  TimelineWorker m_worker;
};

} // namespace quarnel
