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
#include "widgets/document_file_actions.h"
#include "widgets/named_widget.h"
#include "widgets/recent_files_menu.h"
#include "widgets/show_about.h"
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

// How much the design must grow for every caption of this font to fit its button, with room
// for the button's frame.
double layoutScale(const QFont &font) {
  const QFontMetrics metrics(font);
  double needed = 0;
  for (const char *caption : {"Step", "Goto", "Run", "Resume", "Stop", "Clear", "Delete", "WAIT", "PAUSE", "Close", "Timeline", "Create", "Node", "Ease", "Moves", "Play", "Jaw"})
    needed = std::max(needed, (metrics.horizontalAdvance(caption) + 16) / (buttonWidth / double(twipsPerPixel)));
  for (const char *caption : {"Start", "End"})
    needed = std::max(needed, (metrics.horizontalAdvance(caption) + 16) / (loopButtonWidth / double(twipsPerPixel)));
  return std::max(1.0, needed);
}

} // namespace

ScriptWindow::ScriptWindow(ScriptModel &script, ScriptEdits &edits, ScriptRunner &runner, MotionModel &motion,
                           const Clock &clock, UiServices &ui, const AppIdentity &identity, DocumentFolders &folders)
    : m_script(script), m_edits(edits), m_runner(runner), m_motion(motion), m_ui(ui), m_identity(identity), m_folders(folders),
      m_tmrScriptRun(runner, clock, this) {
  setObjectName("frmScript");
  buildControls();
  buildMenus();
  connectControls();
  showCaption();
}

void ScriptWindow::buildControls() {
  m_layout = TwipLayout(layoutScale(font()));
  auto *client = new QWidget(this);
  setCentralWidget(client);

  m_fmeNodes = quarnel::place(new QGroupBox("Nodes", client), "fmeNodes", m_layout.rect(0, 0, 2055, 2895));
  m_nodeButtons = new NodeButtonList(m_script.nodes(), m_layout, m_fmeNodes);
  // The design's button is two lines high, and its caption wraps onto both. EASE stands beside
  // it, as the curve is how the node lines after it travel.
  m_cmbCreateNode = quarnel::place(new QPushButton("&Create\nNode", m_fmeNodes), "cmbCreateNode", m_layout.rect(120, 2160, 852, 612));
  m_cmbEase = quarnel::place(new QPushButton("Ease\n&Moves", m_fmeNodes), "cmbEase", m_layout.rect(1080, 2160, 852, 612));

  auto *controls = quarnel::place(new QGroupBox(client), "fmeControls", m_layout.rect(0, 3000, 2055, 2775));
  auto button = [&](QWidget *parent, const char *name, const char *caption, int left, int top, int width = buttonWidth) {
    return quarnel::place(new QPushButton(caption, parent), name, m_layout.rect(left, top, width, buttonHeight));
  };
  // The access keys differ from each other and from the menu bar's F, E and B.
  m_cmbStep = button(controls, "cmbStep", "&Step", 120, 240);
  m_cmdGoto = button(controls, "cmdGoto", "&Goto", 120, 600);
  m_cmbRun = button(controls, "cmbRun", "&Run", 120, 960);
  m_cmbResume = button(controls, "cmbResume", "Res&ume", 120, 1320);
  m_cmbAbort = button(controls, "cmbAbort", "Sto&p", 120, 1680);
  m_cmbClearScript = button(controls, "cmbClearScript", "C&lear", 120, 2040);
  m_cmbDelete = button(controls, "cmbDelete", "&Delete", 120, 2400);
  m_cmbHold = button(controls, "cmbHold", "&WAIT", 1080, 240);
  m_cmbPause = button(controls, "cmbPause", "P&AUSE", 1080, 600);
  auto *loop = quarnel::place(new QGroupBox("LOOP", controls), "fmeLoop", m_layout.rect(1080, 960, 852, 972));
  m_cmbLoopStart = button(loop, "cmbLoopStart", "S&tart", 120, 240, loopButtonWidth);
  m_cmbLoopEnd = button(loop, "cmbLoopEnd", "E&nd", 120, 600, loopButtonWidth);
  m_cmbClose = button(controls, "cmbClose", "Cl&ose", 1080, 2040);
  m_cmbTimeline = button(controls, "cmbTimeline", "T&imeline", 1080, 2400);

  m_fmeScript = quarnel::place(new QGroupBox("Script", client), "fmeScript", m_layout.rect(2160, 0, scriptFrameWidth, 5775));
  const int gridWidth = commandWidth + markerWidth + gridMargin;
  m_scriptGrid = new ScriptGridModel(m_script, this);
  m_grdScript = quarnel::place(new ScriptGridView(*m_scriptGrid, m_edits, m_fmeScript), "grdScript",
                               m_layout.rect((scriptFrameWidth - gridWidth) / 2, gridTop, gridWidth, 5415));
  m_grdScript->setColumnWidth(ScriptGridModel::CommandColumn, m_layout.pixels(commandWidth));
  m_grdScript->setColumnWidth(ScriptGridModel::MarkerColumn, m_layout.pixels(markerWidth));
  // Under the grid, whose height follows the window's: place() puts them at its foot, each
  // beneath an edge of the grid.
  const auto tr = [](const char *text) { return QCoreApplication::translate("ScriptWindow", text); };
  m_cmbSound = quarnel::place(new QPushButton(tr("Pla&y"), m_fmeScript), "cmbSound",
                              m_layout.rect((scriptFrameWidth - gridWidth) / 2, 0, buttonWidth, buttonHeight));
  m_cmbSound->setToolTip(tr("Places a SOUND line: the file chosen plays from that moment of the run."));
  m_cmbJaw = quarnel::place(new QPushButton(tr("&Jaw"), m_fmeScript), "cmbJaw",
                            m_layout.rect((scriptFrameWidth + gridWidth) / 2 - buttonWidth, 0, buttonWidth, buttonHeight));
  m_cmbJaw->setToolTip(tr("Places a JAW line: a servo opens and closes with the voice of the sound playing."));

  // What a screen reader says where a caption alone would not tell what the control does.
  const std::pair<QWidget *, const char *> accessibleNames[] = {
      {m_grdScript, "Script lines"},          {m_cmbCreateNode, "Create Node"},
      {m_cmbRun, "Run script"},               {m_cmbResume, "Resume script"},
      {m_cmbAbort, "Stop script"},            {m_cmbClearScript, "Clear script"},
      {m_cmbDelete, "Delete line"},           {m_cmbHold, "Place WAIT"},
      {m_cmbPause, "Place PAUSE"},            {m_cmbEase, "Place EASE"},
      {m_cmbLoopStart, "Place loop start"},
      {m_cmbLoopEnd, "Place loop end"}};
  m_cmbSound->setAccessibleName(tr("Place SOUND"));
  m_cmbJaw->setAccessibleName(tr("Place JAW"));
  for (const auto &[widget, name] : accessibleNames) widget->setAccessibleName(name);

  statusBar()->setObjectName("sbrStatus");
  statusBar()->setSizeGripEnabled(false); // the window has a fixed size

  m_mnuPopUp = new QMenu("PopUp", this);
  m_mnuPopUp->setObjectName("mnuPopUp");
  m_mnuPopUpPlace = addNamedAction(m_mnuPopUp, "mnuPopUpPlace", "Place");
  m_mnuPopUpEdit = addNamedAction(m_mnuPopUp, "mnuPopUpEdit", "Edit");
  m_mnuPopUpDelete = addNamedAction(m_mnuPopUp, "mnuPopUpDelete", "Delete");
  m_mnuPopUpGoto = addNamedAction(m_mnuPopUp, "mnuPopUpGoto", "Goto");
}

void ScriptWindow::buildMenus() {
  m_mnuFile = menuBar()->addMenu("&File");
  m_mnuFile->setObjectName("mnuFile");
  const DocumentFileActions documentActions = addDocumentFileActions(m_mnuFile, m_ui, m_identity.productName, this);
  m_mnuFOpen = documentActions.open;
  m_mnuFRecent = documentActions.recent;
  m_mnuFSave = documentActions.save;
  m_mnuFSaveAs = documentActions.saveAs;
  m_mnuFile->addSeparator()->setObjectName("mnusep");
  m_mnuFExit = addNamedAction(m_mnuFile, "mnuFExit", "E&xit");
  m_mnuEdit = menuBar()->addMenu("&Edit");
  m_mnuEdit->setObjectName("mnuEdit");
  m_mnuEUndo = addNamedAction(m_mnuEdit, "mnuEUndo", "&Undo");
  m_mnuEUndo->setShortcut(QKeySequence::Undo);
  m_mnuERedo = addNamedAction(m_mnuEdit, "mnuERedo", "&Redo");
  m_mnuERedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  m_mnuView = menuBar()->addMenu("&View");
  m_mnuView->setObjectName("mnuView");
  m_mnuVTimeline = addNamedAction(m_mnuView, "mnuVTimeline", "&Timeline");
  m_mnuAbout = addNamedAction(menuBar(), "mnuAbout", "A&bout");
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
  m_tmrScriptRun.ticked = [this] { showServoWait(); };
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, [this] { stopAllRequested(); });

  connect(m_cmbClose, &QPushButton::clicked, this, &ScriptWindow::closeWindow);
  connect(m_mnuFExit, &QAction::triggered, this, &ScriptWindow::closeWindow);
  connect(m_mnuFOpen, &QAction::triggered, this, &ScriptWindow::openChosenFile);
  m_mnuFRecent->chosen = [this](const std::string &path) { openFile(path); };
  connect(m_mnuFSave, &QAction::triggered, this, &ScriptWindow::saveFile);
  connect(m_mnuFSaveAs, &QAction::triggered, this, &ScriptWindow::saveFileAs);
  connect(m_cmbTimeline, &QPushButton::clicked, this, [this] { timelineRequested(); });
  connect(m_mnuVTimeline, &QAction::triggered, this, [this] { timelineRequested(); });
  connect(m_mnuAbout, &QAction::triggered, this, [this] { showAbout(m_ui, m_identity); });

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

void ScriptWindow::showBeside(const QWidget &controls) {
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
  showCaption();
  m_nodeButtons->showNodes();
  m_loaded = true;
  showRunState();
}

void ScriptWindow::unload() {
  m_loaded = false;
  hide();
}

void ScriptWindow::place(const QWidget &controls) {
  const int height = controls.height();
  setFixedSize(m_layout.pixels(clientWidth), height);
  moveBeside(*this, {&controls});
  // The window takes the control window's height; the script frame and its grid fill it.
  const int clientHeight = height - menuBar()->sizeHint().height() - statusBar()->sizeHint().height();
  m_fmeScript->resize(m_fmeScript->width(), clientHeight);
  const int buttonsTop = clientHeight - m_layout.pixels(120 + buttonHeight);
  m_grdScript->resize(m_grdScript->width(), buttonsTop - m_grdScript->y() - m_layout.pixels(120));
  for (QPushButton *button : {m_cmbSound, m_cmbJaw}) button->move(button->x(), buttonsTop);
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
  showServoWait();
}

// A run held up before its first line would otherwise look as if it had not started.
void ScriptWindow::showServoWait() {
  if (m_runner.waitingForServos()) statusBar()->showMessage("Waiting for the servos to arrive");
  else statusBar()->clearMessage();
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

bool ScriptWindow::mayDiscardChanges() {
  return mayDiscard(m_ui, m_identity.productName,
                    {m_edits.modified(), m_path, "the script", [this] { return saveFile(); }});
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

void ScriptWindow::showCaption() { showDocumentCaption(*this, "Script", m_path, m_edits.modified()); }

void ScriptWindow::showUndoState() {
  const QUndoStack &stack = m_edits.stack();
  const bool idle = m_runner.idle();
  // An ampersand of a node's name is shown, not taken as an access key.
  auto caption = [](const char *verb, const QString &what) {
    return what.isEmpty() ? QString(verb) : QString(verb) + ' ' + QString(what).replace('&', "&&");
  };
  m_mnuEUndo->setText(caption("&Undo", stack.undoText()));
  m_mnuEUndo->setEnabled(idle && stack.canUndo());
  m_mnuERedo->setText(caption("&Redo", stack.redoText()));
  m_mnuERedo->setEnabled(idle && stack.canRedo());
}

} // namespace quarnel
