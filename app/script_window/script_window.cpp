// The script window: its controls in the twip layout, the grid following the script lines, the
// node buttons' pop-up menu, and the run state applied to every control.
#include "script_window/script_window.h"

#include "motion/motion_model.h"
#include "script/line_command.h"
#include "script_window/node_button_list.h"
#include "script_window/script_controls.h"
#include "script_window/script_grid_view.h"
#include "ui/unsaved_changes.h"
#include "widgets/document_caption.h"
#include "widgets/design_scroll_area.h"
#include "widgets/document_file_actions.h"
#include "widgets/live_status.h"
#include "widgets/named_widget.h"
#include "widgets/help_menu.h"
#include "widgets/recent_files_menu.h"
#include "widgets/window_placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>

#include <algorithm>
#include <filesystem>

namespace quarnel {

namespace {

constexpr int clientWidth = 4215;
constexpr int buttonWidth = 852, buttonHeight = 252, loopButtonWidth = 612;
constexpr int commandWidth = 1500, markerWidth = 200, gridMargin = 250;
constexpr int scriptFrameWidth = 2052, gridTop = 240;
// The bottom of the lowest frame of the design: the script frame and its grid grow below it with
// the window, and the window scrolls where its screen holds less.
constexpr int designHeight = 5775;

// How much a button of `width` twips must grow for each line of `captions` in this font to
// fit, with room for the button's frame.
double neededScale(const QFontMetrics &metrics, const QStringList &captions, int width) {
  double needed = 0;
  for (QString caption : captions)
    for (const QString &line : caption.remove('&').split('\n'))
      needed = std::max(needed, (metrics.horizontalAdvance(line) + 16) / (width / double(twipsPerPixel)));
  return needed;
}

} // namespace

ScriptWindow::ScriptWindow(ScriptModel &script, ScriptEdits &edits, ScriptRunner &runner, MotionModel &motion,
                           const Clock &clock, UiServices &ui, const AppIdentity &identity, DocumentFolders &folders)
    : m_script(script), m_edits(edits), m_runner(runner), m_motion(motion), m_clock(clock), m_ui(ui),
      m_identity(identity), m_folders(folders), m_tmrScriptRun(runner, clock, this) {
  setObjectName("frmScript");
  buildControls();
  buildMenus();
  connectControls();
  showCaption();
}

void ScriptWindow::buildControls() {
  const QString createNode = tr("&Create\nNode"), easeMoves = tr("Ease\n&Moves"), step = tr("&Step"), goTo = tr("&Goto"),
                run = tr("&Run"), resume = tr("Res&ume"), stop = tr("Sto&p"), clear = tr("C&lear"), remove = tr("&Delete"),
                wait = tr("&WAIT"), pause = tr("P&AUSE"), loopStart = tr("S&tart"), loopEnd = tr("E&nd"),
                close = tr("Cl&ose"), timeline = tr("T&imeline"), play = tr("Pla&y"), jaw = tr("&Jaw");
  const QFontMetrics metrics(font());
  m_layout = TwipLayout(std::max({1.0,
                                  neededScale(metrics, {createNode, easeMoves, step, goTo, run, resume, stop, clear,
                                                        remove, wait, pause, close, timeline, play, jaw},
                                              buttonWidth),
                                  neededScale(metrics, {loopStart, loopEnd}, loopButtonWidth)}));
  auto *client = m_client = new QWidget;

  m_fmeNodes = quarnel::place(new QGroupBox(tr("Nodes"), client), "fmeNodes", m_layout.rect(0, 0, 2055, 2895));
  m_nodeButtons = new NodeButtonList(m_script.nodes(), m_layout, m_fmeNodes);
  // The design's button is two lines high, and its caption wraps onto both. EASE stands beside
  // it, as the curve is how the node lines after it travel.
  m_cmbCreateNode = quarnel::place(new QPushButton(createNode, m_fmeNodes), "cmbCreateNode", m_layout.rect(120, 2160, 852, 612));
  m_cmbEase = quarnel::place(new QPushButton(easeMoves, m_fmeNodes), "cmbEase", m_layout.rect(1080, 2160, 852, 612));

  auto *controls = quarnel::place(new QGroupBox(client), "fmeControls", m_layout.rect(0, 3000, 2055, 2775));
  auto button = [&](QWidget *parent, const char *name, const QString &caption, int left, int top, int width = buttonWidth) {
    return quarnel::place(new QPushButton(caption, parent), name, m_layout.rect(left, top, width, buttonHeight));
  };
  // The access keys differ from each other and from the menu bar's F, E, V and H.
  m_cmbStep = button(controls, "cmbStep", step, 120, 240);
  m_cmdGoto = button(controls, "cmdGoto", goTo, 120, 600);
  m_cmbRun = button(controls, "cmbRun", run, 120, 960);
  m_cmbResume = button(controls, "cmbResume", resume, 120, 1320);
  m_cmbAbort = button(controls, "cmbAbort", stop, 120, 1680);
  m_cmbClearScript = button(controls, "cmbClearScript", clear, 120, 2040);
  m_cmbDelete = button(controls, "cmbDelete", remove, 120, 2400);
  m_cmbHold = button(controls, "cmbHold", wait, 1080, 240);
  m_cmbPause = button(controls, "cmbPause", pause, 1080, 600);
  auto *loop = quarnel::place(new QGroupBox(tr("LOOP"), controls), "fmeLoop", m_layout.rect(1080, 960, 852, 972));
  m_cmbLoopStart = button(loop, "cmbLoopStart", loopStart, 120, 240, loopButtonWidth);
  m_cmbLoopEnd = button(loop, "cmbLoopEnd", loopEnd, 120, 600, loopButtonWidth);
  m_cmbClose = button(controls, "cmbClose", close, 1080, 2040);
  m_cmbTimeline = button(controls, "cmbTimeline", timeline, 1080, 2400);

  m_fmeScript = quarnel::place(new QGroupBox(tr("Script"), client), "fmeScript", m_layout.rect(2160, 0, scriptFrameWidth, designHeight));
  const int gridWidth = commandWidth + markerWidth + gridMargin;
  m_scriptGrid = new ScriptGridModel(m_script, this);
  m_grdScript = quarnel::place(new ScriptGridView(*m_scriptGrid, m_edits, m_fmeScript), "grdScript",
                               m_layout.rect((scriptFrameWidth - gridWidth) / 2, gridTop, gridWidth, 5415));
  m_grdScript->setColumnWidth(ScriptGridModel::CommandColumn, m_layout.pixels(commandWidth));
  m_grdScript->setColumnWidth(ScriptGridModel::MarkerColumn, m_layout.pixels(markerWidth));
  // Under the grid, whose height follows the window's: place() puts them at its foot, each
  // beneath an edge of the grid.
  const auto tr = [](const char *text) { return QCoreApplication::translate("ScriptWindow", text); };
  m_cmbSound = quarnel::place(new QPushButton(play, m_fmeScript), "cmbSound",
                              m_layout.rect((scriptFrameWidth - gridWidth) / 2, 0, buttonWidth, buttonHeight));
  m_cmbSound->setToolTip(tr("Places a SOUND line: the file chosen plays from that moment of the run."));
  m_cmbJaw = quarnel::place(new QPushButton(jaw, m_fmeScript), "cmbJaw",
                            m_layout.rect((scriptFrameWidth + gridWidth) / 2 - buttonWidth, 0, buttonWidth, buttonHeight));
  m_cmbJaw->setToolTip(tr("Places a JAW line: a servo opens and closes with the voice of the sound playing."));

  // What a screen reader says where a caption alone would not tell what the control does.
  const std::pair<QWidget *, QString> accessibleNames[] = {
      {m_grdScript, tr("Script lines")},          {m_cmbCreateNode, tr("Create Node")},
      {m_cmbRun, tr("Run script")},               {m_cmbResume, tr("Resume script")},
      {m_cmbAbort, tr("Stop script")},            {m_cmbClearScript, tr("Clear script")},
      {m_cmbDelete, tr("Delete line")},           {m_cmbHold, tr("Place WAIT")},
      {m_cmbPause, tr("Place PAUSE")},            {m_cmbEase, tr("Place EASE")},
      {m_cmbLoopStart, tr("Place loop start")},
      {m_cmbLoopEnd, tr("Place loop end")}};
  m_cmbSound->setAccessibleName(tr("Place SOUND"));
  m_cmbJaw->setAccessibleName(tr("Place JAW"));
  for (const auto &[widget, name] : accessibleNames) widget->setAccessibleName(name);

  // What each button does where its caption leaves it open; the marker is the grid's "<".
  const std::pair<QWidget *, const char *> toolTips[] = {
      {m_cmbStep, QT_TRANSLATE_NOOP("ScriptWindow", "Run the line after the marker alone, and move the marker to it; "
                                                    "after the last line, line 1")},
      {m_cmdGoto, QT_TRANSLATE_NOOP("ScriptWindow", "Run the line at the marker alone; the marker stays")},
      {m_cmbRun, QT_TRANSLATE_NOOP("ScriptWindow", "Run the script from line 1; a loop repeats until Stop")},
      {m_cmbResume, QT_TRANSLATE_NOOP("ScriptWindow", "Run the script on from the line at the marker")},
      {m_cmbAbort, QT_TRANSLATE_NOOP("ScriptWindow", "End the run; the servos finish the move under way. "
                                                     "STOP (Esc) holds them at once")},
      {m_cmbClearScript, QT_TRANSLATE_NOOP("ScriptWindow", "Remove every line of the script; the nodes stay")},
      {m_cmbDelete, QT_TRANSLATE_NOOP("ScriptWindow", "Remove the line at the marker")},
      {m_cmbHold, QT_TRANSLATE_NOOP("ScriptWindow", "Write WAIT at the marker: a run waits there until you press OK")},
      {m_cmbPause, QT_TRANSLATE_NOOP("ScriptWindow", "Write PAUSE at the marker: a run waits there for the "
                                                     "milliseconds you give")},
      {m_cmbLoopStart, QT_TRANSLATE_NOOP("ScriptWindow", "Write LOOPSTART at the marker: where LOOPEND sends the run back to")},
      {m_cmbLoopEnd, QT_TRANSLATE_NOOP("ScriptWindow", "Write LOOPEND at the marker: the run goes back to the LOOPSTART "
                                                       "above it, or to line 1, until Stop")},
      {m_cmbClose, QT_TRANSLATE_NOOP("ScriptWindow", "Hide this window; the script and its nodes stay for next time")},
      {m_cmbTimeline, QT_TRANSLATE_NOOP("ScriptWindow", "Draw where each servo will be over time, the script played "
                                                        "ahead with no board")},
      {m_cmbCreateNode, QT_TRANSLATE_NOOP("ScriptWindow", "Make a node of where every servo is going now, at the speed set")},
      {m_cmbEase, QT_TRANSLATE_NOOP("ScriptWindow", "Write EASE at the marker: the node lines after it start slowly, "
                                                    "end slowly or both")}};
  for (const auto &[widget, tip] : toolTips) widget->setToolTip(QCoreApplication::translate("ScriptWindow", tip));

  client->setFixedSize(m_layout.pixels(clientWidth), m_layout.pixels(designHeight));
  setCentralWidget(new DesignScrollArea(client, this));

  statusBar()->setObjectName("sbrStatus");
  statusBar()->setSizeGripEnabled(false); // the window has its design's size, or its screen's
  m_lblRunState = new LiveStatus(statusBar());
  m_lblRunState->setObjectName("lblRunState");
  // A new line or second never widens the window.
  m_lblRunState->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusBar()->addWidget(m_lblRunState, 1);

  m_mnuPopUp = new QMenu("PopUp", this);
  m_mnuPopUp->setObjectName("mnuPopUp");
  m_mnuPopUpPlace = addNamedAction(m_mnuPopUp, "mnuPopUpPlace", tr("Place"));
  m_mnuPopUpEdit = addNamedAction(m_mnuPopUp, "mnuPopUpEdit", tr("Edit"));
  m_mnuPopUpDelete = addNamedAction(m_mnuPopUp, "mnuPopUpDelete", tr("Delete"));
  m_mnuPopUpGoto = addNamedAction(m_mnuPopUp, "mnuPopUpGoto", tr("Goto"));
}

void ScriptWindow::buildMenus() {
  m_mnuFile = menuBar()->addMenu(tr("&File"));
  m_mnuFile->setObjectName("mnuFile");
  const DocumentFileActions documentActions = addDocumentFileActions(m_mnuFile, m_ui, m_identity.productName, this);
  m_mnuFOpen = documentActions.open;
  m_mnuFRecent = documentActions.recent;
  m_mnuFSave = documentActions.save;
  m_mnuFSaveAs = documentActions.saveAs;
  m_mnuFile->addSeparator()->setObjectName("mnusep");
  // It only hides the window, as the Close button does; quitting is the settings window's.
  m_mnuFExit = addNamedAction(m_mnuFile, "mnuFExit", tr("&Close"));
  m_mnuEdit = menuBar()->addMenu(tr("&Edit"));
  m_mnuEdit->setObjectName("mnuEdit");
  m_mnuEUndo = addNamedAction(m_mnuEdit, "mnuEUndo", tr("&Undo"));
  m_mnuEUndo->setShortcut(QKeySequence::Undo);
  m_mnuERedo = addNamedAction(m_mnuEdit, "mnuERedo", tr("&Redo"));
  m_mnuERedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  m_mnuView = menuBar()->addMenu(tr("&View"));
  m_mnuView->setObjectName("mnuView");
  m_mnuVTimeline = addNamedAction(m_mnuView, "mnuVTimeline", tr("&Timeline"));
  m_mnuAbout = addHelpMenu(menuBar(), tr("&Help"), m_ui, m_identity).about;
}

void ScriptWindow::connectControls() {
  ScriptEdits &edits = m_edits;
  connect(m_cmbCreateNode, &QPushButton::clicked, this, [this] { m_edits.createNodeFromControls(m_motion); });
  m_nodeButtons->clicked = [this](int index) { m_edits.place(m_script.nodes().node(index).name); };
  m_nodeButtons->popUpRequested = [this](int index, QPoint where) { nodePopUp(index, where); };
  connect(m_cmbHold, &QPushButton::clicked, this, [&edits] { edits.place(waitCommand); });
  connect(m_cmbLoopStart, &QPushButton::clicked, this, [&edits] { edits.place(loopStartCommand); });
  connect(m_cmbLoopEnd, &QPushButton::clicked, this, [&edits] { edits.place(loopEndCommand); });
  connect(m_cmbPause, &QPushButton::clicked, this, [&edits] { edits.placePause(); });
  connect(m_cmbEase, &QPushButton::clicked, this, [&edits] { edits.placeEase(); });
  connect(m_cmbSound, &QPushButton::clicked, this,
          [this] { m_edits.placeSound(m_folders.folder(DocumentKind::Script)); });
  connect(m_cmbJaw, &QPushButton::clicked, this, [&edits] { edits.placeJaw(); });
  connect(m_cmbDelete, &QPushButton::clicked, this, [&edits] { edits.deleteLine(); });
  connect(m_cmbClearScript, &QPushButton::clicked, this, [&edits] { edits.clear(); });

  // The node buttons and the title's mark follow every edit, its undo and its redo.
  QUndoStack &stack = m_edits.stack();
  connect(&stack, &QUndoStack::indexChanged, m_nodeButtons, &NodeButtonList::showNodes);
  connect(&stack, &QUndoStack::indexChanged, this, &ScriptWindow::showUndoState);
  connect(&stack, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
  connect(m_mnuEUndo, &QAction::triggered, &stack, &QUndoStack::undo);
  connect(m_mnuERedo, &QAction::triggered, &stack, &QUndoStack::redo);

  connect(m_cmbRun, &QPushButton::clicked, this, [this] { m_runner.run(); });
  connect(m_cmbStep, &QPushButton::clicked, this, [this] { m_runner.step(); });
  connect(m_cmbAbort, &QPushButton::clicked, this, [this] { m_runner.stop(); });
  connect(m_cmbResume, &QPushButton::clicked, this, [this] { m_runner.resume(); });
  connect(m_cmdGoto, &QPushButton::clicked, this, [this] { m_runner.gotoLine(); });
  m_tmrScriptRun.ticked = [this] { showRunProgress(); };
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, [this] { stopAllRequested(); });

  connect(m_cmbClose, &QPushButton::clicked, this, &ScriptWindow::closeWindow);
  connect(m_mnuFExit, &QAction::triggered, this, &ScriptWindow::closeWindow);
  connect(m_mnuFOpen, &QAction::triggered, this, &ScriptWindow::openChosenFile);
  m_mnuFRecent->chosen = [this](const std::string &path) { openFile(path); };
  connect(m_mnuFSave, &QAction::triggered, this, &ScriptWindow::saveFile);
  connect(m_mnuFSaveAs, &QAction::triggered, this, &ScriptWindow::saveFileAs);
  connect(m_cmbTimeline, &QPushButton::clicked, this, [this] { timelineRequested(); });
  connect(m_mnuVTimeline, &QAction::triggered, this, [this] { timelineRequested(); });

  auto selectedName = [this] { return m_script.nodes().node(m_selectedNodeIndex).name; };
  connect(m_mnuPopUpPlace, &QAction::triggered, this, [this, selectedName] { m_edits.place(selectedName()); });
  connect(m_mnuPopUpGoto, &QAction::triggered, this, [this, selectedName] { m_runner.processCommand(selectedName()); });
  connect(m_mnuPopUpDelete, &QAction::triggered, this, [this] { m_edits.deleteNode(m_selectedNodeIndex); });
  connect(m_mnuPopUpEdit, &QAction::triggered, this, [this, selectedName] {
    m_runner.processCommand(selectedName());
    setEnabled(false);
    editRequested(m_selectedNodeIndex);
  });
}

void ScriptWindow::showBeside(QWidget &controls) {
  if (!m_loaded) load();
  place(controls);
  show();
  raise();
}

void ScriptWindow::load() {
  m_script.load();
  m_edits.forget();
  m_selectedNodeIndex = 0;
  m_nodeButtons->reset();
  m_path.clear();
  m_lastLineRun = 0; // no run of this script has stopped yet
  showCaption();
  m_nodeButtons->showNodes();
  m_loaded = true;
  showRunState();
}

void ScriptWindow::unload() {
  m_loaded = false;
  hide();
}

void ScriptWindow::place(QWidget &controls) {
  // The window takes the control window's height; the script frame and its grid fill it.
  const int bars = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
  const int clientHeight = std::max(m_layout.pixels(designHeight), controls.height() - bars);
  m_client->setFixedSize(m_client->width(), clientHeight);
  m_fmeScript->resize(m_fmeScript->width(), clientHeight);
  const int buttonsTop = clientHeight - m_layout.pixels(120 + buttonHeight);
  m_grdScript->resize(m_grdScript->width(), buttonsTop - m_grdScript->y() - m_layout.pixels(120));
  for (QPushButton *button : {m_cmbSound, m_cmbJaw}) button->move(button->x(), buttonsTop);
  fitToScreen(*this, QSize(m_client->width(), clientHeight + bars));
  moveBesideMakingRoom(*this, controls);
}

void ScriptWindow::nodePopUp(int index, const QPoint &where) {
  m_selectedNodeIndex = index;
  // Home is every script's resting pose: it can be placed and gone to, not changed.
  m_mnuPopUpEdit->setEnabled(index != 0);
  m_mnuPopUpDelete->setEnabled(index != 0);
  m_mnuPopUp->popup(where);
}

void ScriptWindow::showRunState() {
  const ScriptControls c = ScriptControls::forState(m_runner.idle());
  m_cmbAbort->setEnabled(c.abort);
  m_grdScript->setEnabled(c.grid);
  m_cmbHold->setEnabled(c.hold);
  m_cmbPause->setEnabled(c.pause);
  m_cmbEase->setEnabled(c.ease);
  m_cmbSound->setEnabled(c.sound);
  m_cmbJaw->setEnabled(c.jaw);
  m_fmeNodes->setEnabled(c.nodes);
  m_nodeButtons->setButtonsEnabled(c.nodeContainer);
  m_cmbClearScript->setEnabled(c.clearScript);
  m_cmbClose->setEnabled(c.close);
  m_cmbStep->setEnabled(c.step);
  m_cmdGoto->setEnabled(c.gotoLine);
  m_cmbDelete->setEnabled(c.deleteLine);
  m_cmbLoopStart->setEnabled(c.loopStart);
  m_cmbLoopEnd->setEnabled(c.loopEnd);
  m_mnuFile->menuAction()->setEnabled(c.fileMenu);
  m_mnuEdit->menuAction()->setEnabled(c.editMenu);
  showUndoState();
  m_mnuAbout->setEnabled(c.aboutMenu);
  if (c.runTimer) m_tmrScriptRun.start();
  else m_tmrScriptRun.stop();
  m_cmbResume->setEnabled(c.resume);
  m_cmbRun->setEnabled(c.run);
  if (!m_runner.idle() && !m_grdScript->followsRun()) {
    m_runStartedAt = m_clock.seconds();
    m_lastLineRun = 0;
  }
  m_grdScript->followRun(!m_runner.idle());
  showRunProgress();
}

namespace {

// While nothing but the line, pass and time change, the status line is written at every third
// runner tick: a few times a second.
constexpr int ticksPerProgress = 3;

QString elapsedText(double seconds) {
  const int whole = static_cast<int>(seconds);
  return QString("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QChar('0'));
}

} // namespace

// Where the run stands, in the status line: each change of state is announced; the line, pass
// and time under way are only shown, a few times a second at most.
void ScriptWindow::showRunProgress() {
  const RunPhase phase = m_runner.idle()                ? RunPhase::Idle
                         : m_runner.waitingForServos() ? RunPhase::ServoWait
                         : m_runner.waitingForUser()   ? RunPhase::UserWait
                                                       : RunPhase::Running;
  if (phase == RunPhase::Running || phase == RunPhase::UserWait) m_lastLineRun = m_script.lines().currentLine();
  if (phase == m_shownPhase && phase != RunPhase::Idle && ++m_ticksSinceShown < ticksPerProgress) return;
  m_ticksSinceShown = 0;
  const QString elapsed = elapsedText(m_clock.seconds() - m_runStartedAt);
  QString text;
  switch (phase) {
  case RunPhase::Idle:
    if (m_lastLineRun > 0) text = tr("Stopped at line %1 - %2").arg(m_lastLineRun).arg(elapsed);
    break;
  case RunPhase::ServoWait: // a run held up before its first line would look as if not started
    text = tr("Waiting for the servos to arrive");
    break;
  case RunPhase::UserWait:
    text = tr("Waiting at line %1 for OK - %2").arg(m_lastLineRun).arg(elapsed);
    break;
  case RunPhase::Running: {
    const auto pass = m_runner.loopPass();
    text = pass ? tr("Running line %1 - pass %2 - %3").arg(m_lastLineRun).arg(*pass).arg(elapsed)
                : tr("Running line %1 - %2").arg(m_lastLineRun).arg(elapsed);
    break;
  }
  }
  if (phase == m_shownPhase) m_lblRunState->refresh(text);
  else m_lblRunState->announce(text);
  m_shownPhase = phase;
}

void ScriptWindow::editFinished() { setEnabled(true); }

void ScriptWindow::closeWindow() {
  m_runner.halt(); // a single Step's WAIT prompt goes with the window
  hide();
  closed();
}

void ScriptWindow::closeEvent(QCloseEvent *event) {
  if (!m_runner.idle() || !unloadAllowed() || !mayDiscardChanges()) {
    event->ignore();
    return;
  }
  m_runner.halt();
  m_loaded = false;
  event->accept();
}

bool ScriptWindow::hasUnsavedChanges() const { return m_loaded && m_edits.modified(); }

bool ScriptWindow::mayDiscardChanges() {
  return mayDiscard(m_ui, m_identity.productName,
                    {hasUnsavedChanges(), m_path, tr("Save changes to the script?").toStdString(),
                     [this] { return saveFile(); }});
}

void ScriptWindow::openChosenFile() {
  if (mayDiscardChanges()) showOpened(openScriptFile(m_script, m_folders));
}

void ScriptWindow::openFile(const std::string &path) {
  if (mayDiscardChanges()) showOpened(openScriptFile(m_script, path));
}

void ScriptWindow::showOpened(const ScriptOpened &opened) {
  if (!opened.replaced) return;
  // What a failed open leaves is Home and an empty script: nothing worth a question, and no
  // file's, so Save must not write it over the file that was open before.
  m_edits.forget();
  m_path = opened.path.value_or(std::string());
  takeSoundFolderFromPath();
  if (opened.path) scriptFileUsed(*opened.path);
  showCaption();
  // The file's buttons as a fresh window shows them, not scrolled as the last file's were.
  m_nodeButtons->reset();
  m_nodeButtons->showNodes();
}

bool ScriptWindow::saveFile() {
  if (m_path.empty()) return saveFileAs();
  if (!saveScriptFile(m_script, m_path)) return false;
  showSavedAs(m_path);
  return true;
}

bool ScriptWindow::saveFileAs() {
  const auto path = saveScriptFileAs(m_script, m_folders);
  if (path) showSavedAs(*path);
  return path.has_value();
}

void ScriptWindow::showSavedAs(const std::string &path) {
  m_edits.markSaved();
  m_path = path;
  takeSoundFolderFromPath();
  scriptFileUsed(path);
  showCaption();
}

// The SOUND lines' relative paths start beside the script's file.
void ScriptWindow::takeSoundFolderFromPath() {
  m_script.setSoundFolder(m_path.empty() ? std::filesystem::path() : std::filesystem::absolute(m_path).parent_path());
}

void ScriptWindow::showCaption() { showDocumentCaption(*this, tr("Script"), m_path, m_edits.modified()); }

void ScriptWindow::showUndoState() {
  const QUndoStack &stack = m_edits.stack();
  const bool idle = m_runner.idle();
  // An ampersand of a node's name is shown, not taken as an access key.
  auto caption = [](const QString &alone, const QString &withWhat, QString what) {
    return what.isEmpty() ? alone : withWhat.arg(what.replace('&', "&&"));
  };
  m_mnuEUndo->setText(caption(tr("&Undo"), tr("&Undo %1"), stack.undoText()));
  m_mnuEUndo->setEnabled(idle && stack.canUndo());
  m_mnuERedo->setText(caption(tr("&Redo"), tr("&Redo %1"), stack.redoText()));
  m_mnuERedo->setEnabled(idle && stack.canRedo());
}

} // namespace quarnel
