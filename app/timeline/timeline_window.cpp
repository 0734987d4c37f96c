// When the run is played again, and the window around the plot that shows it.
#include "timeline/timeline_window.h"

#include "script/script_model.h"
#include "script_window/script_edits.h"
#include "widgets/accessible_role.h"
#include "widgets/window_placement.h"

#include <QKeyEvent>
#include <QVBoxLayout>

namespace quarnel {

namespace {

constexpr QSize smallestWindow(480, 320), firstWindow(960, 440);
constexpr int debounceMs = 200;

} // namespace

TimelineWindow::TimelineWindow(ScriptModel &script, ScriptEdits &edits, const ScriptRunner &runner,
                               const MotionModel &motion, const ServoConfiguration &config)
    : m_script(script), m_motion(motion), m_config(config), m_plot(new TimelinePlot(script, runner, config, this)),
      m_worker([this](std::shared_ptr<const PlayedAhead> result) { m_plot->showResult(std::move(result)); }) {
  setObjectName("frmTimeline");
  setAccessibleRole(*this, QAccessible::Window);
  setWindowTitle(tr("Timeline"));
  setMinimumSize(smallestWindow);
  resize(firstWindow);
  auto *whole = new QVBoxLayout(this);
  whole->setContentsMargins(0, 0, 0, 0);
  whole->addWidget(m_plot);
  setFocusProxy(m_plot);

  m_debounce.setSingleShot(true);
  m_debounce.setInterval(debounceMs);
  connect(&m_debounce, &QTimer::timeout, this, &TimelineWindow::playIfChanged);
  // The marker moves at every line of a run and changes nothing played.
  m_linesListener = script.lines().addListener([this](const ScriptLinesChange &change) {
    if (change.kind != ScriptLinesChange::Marked) inputChanged();
  });
  connect(&edits.stack(), &QUndoStack::indexChanged, this, &TimelineWindow::inputChanged);
}

TimelineWindow::~TimelineWindow() { m_script.lines().removeListener(m_linesListener); }

void TimelineWindow::showBeside(const QWidget &scriptWindow, const QWidget &controlWindow) {
  if (!isVisible()) moveBeside(*this, {&scriptWindow, &controlWindow}, minimumSize()); // else where the user put it
  show();
  raise();
  activateWindow();
}

// The servo rows change only while the window is hidden, and anything may have changed then.
void TimelineWindow::showEvent(QShowEvent *) {
  if (m_input) m_debounce.start();
  else playIfChanged();
}

// What the plot leaves: Escape closes the window, as it does a dialog.
void TimelineWindow::keyPressEvent(QKeyEvent *event) {
  if (event->matches(QKeySequence::Cancel)) close();
  else QWidget::keyPressEvent(event);
}

void TimelineWindow::inputChanged() {
  if (isVisible()) m_debounce.start();
}

// A changed script is played again; an unchanged one is left alone.
void TimelineWindow::playIfChanged() {
  m_debounce.stop();
  SimulationInput input = SimulationInput::of(m_script, m_config, m_motion.speed());
  if (m_input && input == *m_input) return;
  m_input = input;
  m_worker.play(std::move(input));
}

} // namespace quarnel
