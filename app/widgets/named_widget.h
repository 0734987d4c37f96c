// Widgets under the names the windows' designs give them: "cmdHome", and "hscServoCon(3)" for
// the members of a control array.
#pragma once

#include <QAction>
#include <QRect>
#include <QString>
#include <QWidget>

namespace quarnel {

inline QString indexed(const char *name, int index) { return QString("%1(%2)").arg(name).arg(index); }

template <typename Widget>
Widget *place(Widget *widget, const QString &name, QRect geometry) {
  widget->setObjectName(name);
  widget->setGeometry(geometry);
  return widget;
}

// A menu item (or a menu-bar item that acts on its own) under its design name.
template <typename Menu>
QAction *addNamedAction(Menu *menu, const char *name, const QString &caption) {
  QAction *action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

} // namespace quarnel
