// Finding the running application's windows and their controls by the names they carry.
#pragma once

#include "find_child.h"

#include <QApplication>
#include <QString>
#include <QWidget>

inline QWidget *window(const char *name) {
  for (QWidget *w : QApplication::topLevelWidgets())
    if (w->objectName() == name) return w;
  qFatal("no window %s", name);
}

template <typename T> T *control(const char *windowName, const QString &name) {
  return quarnel::child<T>(window(windowName), name);
}
