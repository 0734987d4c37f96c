// The two kinds of document file: the filter their dialogs show, and the kind a file's name
// tells, as the desktop's file types tell it.
#pragma once

#include "ui/document_folders.h"
#include "ui/ui_services.h"

#include <optional>
#include <string>

namespace quarnel {

// The filter with its description in the user's language.
FileFilter fileFilterOf(DocumentKind kind);

// By the name's extension, in any case ("ARM.SST" is servo settings); nothing for another name.
std::optional<DocumentKind> documentKindOf(const std::string &path);

} // namespace quarnel
