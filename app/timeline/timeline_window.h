// frmTimeline: every servo's position over time as the current script will produce it, the
// lines and pauses marked along the time axis, the spans the serial line cannot carry shaded.
// A view over a simulated run, recomputed on a thread of its own when the script, its nodes,
// the servo rows or the speed change.
#pragma once

#include "simulation/line_load.h"
#include "simulation/motion_simulation.h"

#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

class QScrollBar;

namespace quarnel {

class ScriptModel;
class ScriptRunner;

class TimelineWindow : public QWidget {
public:
  TimelineWindow(ScriptModel &script, const ScriptRunner &runner, const MotionModel &motion,
                 const ServoConfiguration &config);
  ~TimelineWindow() override;

  // Beside the windows it serves, made smaller to stand clear of them where that helps; left
  // where the user has put it when it is up already.
  void showBeside(const QWidget &scriptWindow, const QWidget &controlWindow);
  // The run on show, once one is computed.
  const Simulation *simulation() const { return m_shown ? &m_shown->sim : nullptr; }
  // The x of `timeMs` in the plot, for a reader of the picture.
  int xOf(double timeMs) const;

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void showEvent(QShowEvent *event) override;
  void hideEvent(QHideEvent *event) override;
  bool event(QEvent *event) override;

private:
  // A run played ahead and what is read from it, all worked out off the window's thread.
  struct PlayedAhead {
    Simulation sim;
    LineLoad load;
    int baud = 0;
    std::array<std::vector<PositionChange>, motionServos> traces; // the changes servo by servo
  };
  struct Areas {
    QRect notes, legend, plot, marks, axis;
  };
  Areas areas() const;
  void watchInput();
  void recompute();
  void showResult(std::shared_ptr<const PlayedAhead> result, unsigned long generation);
  void zoom(double factor, int aroundX);
  void showScrollRange();
  double timeAt(int x) const;
  QStringList noteLines() const;
  void refreshNotes();
  void pick(int timeMs);
  void pickNextLine(int step);
  std::vector<QRect> noteRects() const;
  std::vector<QPoint> legendSpots(int top) const;
  QString lineText(const LineRun &run) const;

  void paintTraces(QPainter &painter, const QRect &plot) const;
  void paintMarks(QPainter &painter, const Areas &a) const;
  void paintAxis(QPainter &painter, const QRect &axis) const;

  ScriptModel &m_script;
  const ScriptRunner &m_runner;
  const MotionModel &m_motion;
  const ServoConfiguration &m_config;

  SimulationInput m_input;
  bool m_haveInput = false;
  std::shared_ptr<const PlayedAhead> m_shown;
  double m_msPerPixel = 10;
  std::optional<int> m_pickedMs; // the moment last clicked, its line described in the notes
  QStringList m_notes;

  QTimer m_watch;    // looks for a changed script while shown
  QTimer m_debounce; // lets a burst of edits settle before the run is played again
  QScrollBar *m_hscTime = nullptr;

  unsigned long m_generation = 0;
  std::atomic<bool> m_cancel{false};
  std::thread m_worker;
};

} // namespace quarnel
