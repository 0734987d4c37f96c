// Before the user's unsaved work is thrown away: the question "Save changes to NAME?" with Save,
// Discard and Cancel, and what each answer does. Both windows ask it through here.
#pragma once

#include "ui/ui_services.h"

#include <functional>
#include <string>

namespace quarnel {

// A document as the question sees it.
struct UnsavedWork {
  bool modified = false;
  std::string path;           // its file; empty while it was never opened or saved
  std::string neverSavedQuestion; // the question then: "Save changes to the script?"
  std::function<bool()> save; // the window's own Save command: true once the work is saved
};

// True when the work may go: it is unmodified, or the user chose Discard, or chose Save and it
// was saved. Cancel, or a save that was cancelled or failed, keeps it.
bool mayDiscard(UiServices &ui, const std::string &title, const UnsavedWork &work);

} // namespace quarnel
