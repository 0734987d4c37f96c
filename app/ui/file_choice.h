// The open and save dialogs of one kind of document: each starts in the folder that kind last
// used and remembers the folder of the file chosen, and a file saved under a name without an
// extension gets the filter's, so Open's filter shows it again.
#pragma once

#include "ui/document_folders.h"
#include "ui/ui_services.h"

#include <optional>
#include <string>

namespace quarnel {

std::optional<std::string> chooseFileToOpen(UiServices &ui, const FileFilter &filter,
                                            DocumentFolders &folders, DocumentKind kind);
std::optional<std::string> chooseFileToSave(UiServices &ui, const FileFilter &filter,
                                            DocumentFolders &folders, DocumentKind kind);

// "wave" becomes "/dir/wave.tvk"; a name with a dot in it is kept as it is, as Qt's save dialog
// keeps it.
std::string withFilterExtension(const std::string &path, const FileFilter &filter);

// The last part of a path: "wave.tvk" of "/dir/wave.tvk".
std::string fileNameOf(const std::string &path);

} // namespace quarnel
