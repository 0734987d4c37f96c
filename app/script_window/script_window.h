// frmScript, the script editor: the node buttons, the command grid with its marker, the buttons
// that place commands and run the script, the File menu, and a status line that says where a
// run stands. A view over the script model and
// the runner; every action is theirs, but for STOP, which it asks of whoever owns the run.
#pragma once

#include "config/app_identity.h"
#include "motion/clock.h"
#include "script/script_file_access.h"
#include "script/runner_timer.h"
#include "script/script_model.h"
#include "script/script_runner.h"
#include "script_window/script_edits.h"
#include "ui/document_folders.h"
#include "ui/ui_services.h"
#include "widgets/twip_layout.h"

#include <QCoreApplication>
#include <QMainWindow>

#include <functional>

class QAction;
class QGroupBox;
class QMenu;
class QPushButton;

namespace quarnel {

class LiveStatus;
class MotionModel;
class NodeButtonList;
class RecentFilesMenu;
class ScriptGridModel;
class ScriptGridView;

class ScriptWindow : public QMainWindow {
  Q_OBJECT

public:
  // The runner ticks on `clock`, the run's, which also times what the status line shows.
  ScriptWindow(ScriptModel &script, ScriptEdits &edits, ScriptRunner &runner, MotionModel &motion, const Clock &clock,
               UiServices &ui, const AppIdentity &identity, DocumentFolders &folders);

  // Shows the window beside the control window with its height, the control window moved
  // aside where that makes room for both: a fresh load when the close box unloaded it or it
  // never was, else as Close left it.
  void showBeside(QWidget &controls);
  bool isLoaded() const { return m_loaded; }
  // Discards the nodes and script, as the close box does, but without asking the runner or
  // the user.
  void unload();
  // The nodes or script are modified since they were opened or saved, and the close box has not
  // let them go.
  bool hasUnsavedChanges() const;
  // Asks "Save changes to ...?" when they are; true when they may go.
  bool mayDiscardChanges();
  // Opens a file named elsewhere than in the dialog, asking first about changes.
  void openFile(const std::string &path);

  RecentFilesMenu *recentFilesMenu() const { return m_mnuFRecent; }

  // The runner's state as the controls show it.
  void showRunState();

  // The node editor has closed: enabled again, its node's button and lines as Save left them.
  void editFinished();

  // The node editor's index: the node whose button was last right-clicked.
  int selectedNodeIndex() const { return m_selectedNodeIndex; }

  // Close and Exit: hidden, the manual speed back in force.
  std::function<void()> closed = [] {};
  // The pop-up's Edit, after the servos were sent to the node and this window disabled.
  std::function<void(int nodeIndex)> editRequested = [](int) {};
  // View > Timeline and the Timeline button.
  std::function<void()> timelineRequested = [] {};
  // Escape: STOP, as in the control window.
  std::function<void()> stopAllRequested = [] {};
  // Asked before the close box unloads; the running script is asked separately.
  std::function<bool()> unloadAllowed = [] { return true; };
  // A script file was opened or saved.
  std::function<void(const std::string &path)> scriptFileUsed = [](const std::string &) {};

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  void buildControls();
  void buildMenus();
  void connectControls();
  void load();
  void place(QWidget &controls);

  void nodePopUp(int index, const QPoint &where);
  void closeWindow();
  void openChosenFile();
  void showOpened(const ScriptOpened &opened);
  bool saveFile();
  bool saveFileAs();
  void showSavedAs(const std::string &path);
  void takeSoundFolderFromPath();
  void showCaption();
  void showUndoState();
  void showRunProgress();

  ScriptModel &m_script;
  ScriptEdits &m_edits;
  ScriptRunner &m_runner;
  MotionModel &m_motion;
  const Clock &m_clock;
  UiServices &m_ui;
  const AppIdentity &m_identity;
  DocumentFolders &m_folders;
  TwipLayout m_layout;
  std::string m_path; // the file last opened or saved, where Save writes; empty until then
  bool m_loaded = false;
  int m_selectedNodeIndex = 0;
  enum class RunPhase { Idle, ServoWait, UserWait, Running };
  RunPhase m_shownPhase = RunPhase::Idle;
  double m_runStartedAt = 0; // by the clock, when the run under way started
  int m_ticksSinceShown = 0;
  int m_lastLineRun = 0; // 0 until a run has carried out a line

  QGroupBox *m_fmeNodes = nullptr;
  NodeButtonList *m_nodeButtons = nullptr;
  QPushButton *m_cmbCreateNode = nullptr;
  QPushButton *m_cmbStep = nullptr;
  QPushButton *m_cmdGoto = nullptr;
  QPushButton *m_cmbRun = nullptr;
  QPushButton *m_cmbResume = nullptr;
  QPushButton *m_cmbAbort = nullptr;
  QPushButton *m_cmbClearScript = nullptr;
  QPushButton *m_cmbDelete = nullptr;
  QPushButton *m_cmbHold = nullptr;
  QPushButton *m_cmbPause = nullptr;
  QPushButton *m_cmbEase = nullptr;
  QPushButton *m_cmbSound = nullptr;
  QPushButton *m_cmbJaw = nullptr;
  QPushButton *m_cmbLoopStart = nullptr;
  QPushButton *m_cmbLoopEnd = nullptr;
  QPushButton *m_cmbClose = nullptr;
  QPushButton *m_cmbTimeline = nullptr;
  QWidget *m_client = nullptr;
  QGroupBox *m_fmeScript = nullptr;
  ScriptGridModel *m_scriptGrid = nullptr;
  ScriptGridView *m_grdScript = nullptr;
  LiveStatus *m_lblRunState = nullptr;
  QMenu *m_mnuFile = nullptr;
  QAction *m_mnuFOpen = nullptr;
  RecentFilesMenu *m_mnuFRecent = nullptr;
  QAction *m_mnuFSave = nullptr;
  QAction *m_mnuFSaveAs = nullptr;
  QAction *m_mnuFExit = nullptr;
  QMenu *m_mnuEdit = nullptr;
  QAction *m_mnuEUndo = nullptr;
  QAction *m_mnuERedo = nullptr;
  QMenu *m_mnuView = nullptr;
  QAction *m_mnuVTimeline = nullptr;
  QAction *m_mnuAbout = nullptr;
  QMenu *m_mnuPopUp = nullptr;
  QAction *m_mnuPopUpPlace = nullptr;
  QAction *m_mnuPopUpEdit = nullptr;
  QAction *m_mnuPopUpDelete = nullptr;
  QAction *m_mnuPopUpGoto = nullptr;
  RunnerTimer m_tmrScriptRun;
};

} // namespace quarnel
