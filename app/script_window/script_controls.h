// Which controls take input, in the idle state (a script can be edited and started) or the
// running one (only Stop works here; the control window's STOP works in both). Control window
// items are marked as such.
#pragma once

namespace quarnel {

struct ScriptControls {
  bool abort = false; // cmbAbort, "Stop"
  bool grid = true;
  bool hold = true;
  bool pause = true;
  bool ease = true;
  bool sound = true; // cmbSound
  bool jaw = true;   // cmbJaw
  bool nodes = true;         // fmeNodes
  bool nodeContainer = true; // fmeContainer
  bool clearScript = true;
  bool close = true;
  bool controlBack = true; // the control window's cmdBack
  bool step = true;
  bool gotoLine = true; // cmdGoto
  bool deleteLine = true;  // cmbDelete
  bool loopStart = true;
  bool loopEnd = true;
  bool fileMenu = true;
  bool editMenu = true; // undo and redo
  bool aboutMenu = true;
  bool runTimer = false; // tmrScriptRun
  bool resume = true;
  bool run = true;

  static ScriptControls forState(bool idle);
};

} // namespace quarnel
