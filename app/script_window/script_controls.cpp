// Which controls take input in each state of the run.
#include "script_window/script_controls.h"

namespace quarnel {

ScriptControls ScriptControls::forState(bool idle) {
  ScriptControls c;
  c.abort = !idle;
  c.grid = c.hold = c.pause = c.ease = c.sound = c.jaw = c.nodes = c.nodeContainer = c.clearScript = c.close = idle;
  c.controlBack = c.step = c.gotoLine = c.deleteLine = c.loopStart = c.loopEnd = idle;
  c.fileMenu = c.editMenu = c.aboutMenu = idle;
  c.runTimer = !idle;
  c.resume = c.run = idle;
  return c;
}

} // namespace quarnel
