// A menu item's keys as the desktop has them, with the usual keys where the platform names none
// (Save As and Quit have none on some).
#pragma once

#include <QAction>
#include <QKeySequence>

namespace quarnel {

inline void setStandardShortcut(QAction *action, QKeySequence::StandardKey key, const QKeySequence &usual) {
  const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
  action->setShortcuts(keys.isEmpty() ? QList<QKeySequence>{usual} : keys);
}

} // namespace quarnel
