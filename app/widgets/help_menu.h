// The Help menu that ends the menu bar of every window that has one: the user's manual (F1) and
// the About box.
#pragma once

#include "config/app_identity.h"
#include "ui/ui_services.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace quarnel {

struct HelpMenu {
  QMenu *menu = nullptr;
  QAction *manual = nullptr;
  QAction *about = nullptr;
};

// `title` carries the menu's access key, which must be free in the window: "&Help", or "He&lp"
// where Alt+H is taken.
HelpMenu addHelpMenu(QMenuBar *bar, const QString &title, UiServices &ui, const AppIdentity &identity);

} // namespace quarnel
