// The Help menu's two items and what they open.
#include "widgets/help_menu.h"

#include "widgets/show_about.h"
#include "widgets/standard_shortcut.h"
#include "widgets/user_manual.h"

#include <QCoreApplication>

namespace quarnel {

HelpMenu addHelpMenu(QMenuBar *bar, const QString &title, UiServices &ui, const AppIdentity &identity) {
  HelpMenu help;
  help.menu = bar->addMenu(title);
  help.menu->setObjectName("mnuHelp");
  help.manual = help.menu->addAction(QCoreApplication::translate("HelpMenu", "&User's Manual"));
  help.manual->setObjectName("mnuHManual");
  setStandardShortcut(help.manual, QKeySequence::HelpContents, QKeySequence(Qt::Key_F1));
  help.menu->addSeparator();
  help.about = help.menu->addAction(
      QCoreApplication::translate("HelpMenu", "&About %1").arg(QString::fromStdString(identity.productName)));
  help.about->setObjectName("mnuAbout");
  QObject::connect(help.manual, &QAction::triggered, bar, [&ui, &identity] { openUserManual(ui, identity); });
  QObject::connect(help.about, &QAction::triggered, bar, [&ui, &identity] { showAbout(ui, identity); });
  return help;
}

} // namespace quarnel
