// The unsaved-changes question.
#include "ui/unsaved_changes.h"

#include "ui/file_choice.h"

#include <QCoreApplication>

namespace quarnel {

bool mayDiscard(UiServices &ui, const std::string &title, const UnsavedWork &work) {
  if (!work.modified) return true;
  const std::string question =
      work.path.empty() ? work.neverSavedQuestion
                        : QCoreApplication::translate("UnsavedChanges", "Save changes to %1?")
                              .arg(QString::fromStdString(fileNameOf(work.path)))
                              .toStdString();
  switch (ui.messageBox(question, title, MessageIcon::Question,
                        MessageButtons::SaveDiscardCancel)) {
  case MessageAnswer::Discard: return true;
  case MessageAnswer::Save: return work.save();
  default: return false;
  }
}

} // namespace quarnel
