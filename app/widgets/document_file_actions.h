// A document window's Open, Open Recent, Save and Save As, in that order, with the desktop's keys.
#pragma once

#include "widgets/recent_files_menu.h"

#include <QAction>
#include <QMenu>

#include <string>

namespace quarnel {

struct DocumentFileActions {
  QAction *open = nullptr;
  RecentFilesMenu *recent = nullptr;
  QAction *save = nullptr;
  QAction *saveAs = nullptr;
};

DocumentFileActions addDocumentFileActions(QMenu *file, UiServices &ui, const std::string &productName,
                                           QWidget *window);

} // namespace quarnel
