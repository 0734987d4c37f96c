#include "widgets/document_file_actions.h"

#include "widgets/named_widget.h"
#include "widgets/standard_shortcut.h"

#include <QCoreApplication>

namespace quarnel {

DocumentFileActions addDocumentFileActions(QMenu *file, UiServices &ui, const std::string &productName,
                                           QWidget *window) {
  DocumentFileActions actions;
  actions.open = addNamedAction(file, "mnuFOpen", QCoreApplication::translate("DocumentFileActions", "&Open"));
  actions.open->setShortcuts(QKeySequence::Open);
  actions.recent = new RecentFilesMenu(ui, productName, window);
  file->addMenu(actions.recent);
  actions.save = addNamedAction(file, "mnuFSave", QCoreApplication::translate("DocumentFileActions", "&Save"));
  actions.save->setShortcuts(QKeySequence::Save);
  actions.saveAs = addNamedAction(file, "mnuFSaveAs", QCoreApplication::translate("DocumentFileActions", "Save &As..."));
  setStandardShortcut(actions.saveAs, QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  return actions;
}

} // namespace quarnel
