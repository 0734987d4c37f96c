// The recent files' items and what choosing one does.
#include "widgets/recent_files_menu.h"

#include "ui/file_choice.h"
#include "widgets/named_widget.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace quarnel {

namespace {

QString decoded(const std::string &path) { return QFile::decodeName(path.c_str()); }

} // namespace

RecentFilesMenu::RecentFilesMenu(UiServices &ui, std::string productName, QWidget *parent)
    : QMenu(QCoreApplication::translate("RecentFilesMenu", "Open &Recent"), parent), m_ui(ui), m_productName(std::move(productName)) {
  setObjectName("mnuFRecent");
  menuAction()->setEnabled(false);
}

void RecentFilesMenu::showFiles(const std::vector<std::string> &paths) {
  // Later, as the item chosen may be the one telling that its file has gone.
  for (QAction *old : actions()) {
    removeAction(old);
    old->deleteLater();
  }
  for (size_t i = 0; i < paths.size(); ++i) {
    const std::string name = fileNameOf(paths[i]);
    const bool nameShared = std::count_if(paths.begin(), paths.end(),
                                          [&](const std::string &p) { return fileNameOf(p) == name; }) > 1;
    QString text = decoded(name);
    if (nameShared) text += " (" + QFileInfo(decoded(paths[i])).path() + ")";
    // Numbered 1 to 8 as access keys; an ampersand of the name is shown, not taken as one.
    QAction *item = addAction(QString("&%1 %2").arg(i + 1).arg(text.replace('&', "&&")));
    item->setObjectName(indexed("mnuFRecent", int(i)));
    item->setStatusTip(decoded(paths[i]));
    connect(item, &QAction::triggered, this, [this, path = paths[i]] { choose(path); });
  }
  menuAction()->setEnabled(!paths.empty());
}

void RecentFilesMenu::choose(const std::string &path) {
  if (QFileInfo::exists(decoded(path))) {
    chosen(path);
    return;
  }
  m_ui.messageBox(QCoreApplication::translate("RecentFilesMenu", "\"%1\" is no longer there: it was moved, renamed or deleted. It is taken off the recent files.")
                      .arg(QString::fromStdString(path))
                      .toStdString(),
                  m_productName, MessageIcon::Warning, MessageButtons::Ok);
  gone(path);
}

} // namespace quarnel
