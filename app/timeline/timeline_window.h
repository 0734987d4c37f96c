// frmTimeline: the plot of every servo's position over time as the current script will produce
// it. A window over a run played ahead by its worker, played again when the script, its nodes,
// the servo rows or the speed change. The plot has the keyboard; Escape closes the window.
#pragma once

#include "script/script_lines.h"
#include "simulation/played_ahead.h"
#include "timeline/timeline_plot.h"
#include "timeline/timeline_worker.h"

#include <QTimer>
#include <QWidget>

#include <optional>

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
  const Simulation *simulation() const { return m_plot->simulation(); }

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void showEvent(QShowEvent *event) override;

private:
  void playIfChanged();

  ScriptModel &m_script;
  const MotionModel &m_motion;
  const ServoConfiguration &m_config;
  ScriptLines::ListenerId m_linesListener;

  std::optional<SimulationInput> m_input; // what the last run was played from
  QTimer m_debounce; // lets a burst of edits settle before the run is played again
  TimelinePlot *m_plot;
  TimelineWorker m_worker;
};

} // namespace quarnel
