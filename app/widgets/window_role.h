// A window made of a plain QWidget is a window to a screen reader too: in the window role, or
// the dialog role where it is a dialog, where Qt would offer it as a mere filler.
#pragma once

namespace quarnel {

// Once is enough; call it before the first such window is shown.
void exposePlainWindows();

} // namespace quarnel
