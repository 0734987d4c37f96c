// The unsaved-changes question.
#include "ui/unsaved_changes.h"

#include "ui/file_choice.h"

namespace quarnel {

bool mayDiscard(UiServices &ui, const std::string &title, const UnsavedWork &work) {
  if (!work.modified) return true;
  const std::string name = work.path.empty() ? work.neverSavedName : fileNameOf(work.path);
  switch (ui.messageBox("Save changes to " + name + "?", title, MessageIcon::Question,
                        MessageButtons::SaveDiscardCancel)) {
  case MessageAnswer::Discard: return true;
  case MessageAnswer::Save: return work.save();
  default: return false;
  }
}

} // namespace quarnel
