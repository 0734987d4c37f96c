// Finding a window's control by the name it carries, for window tests: a control that is not
// there ends the test at once, naming it, rather than failing later on a null pointer.
#pragma once

#include <QObject>
#include <QString>

namespace quarnel {

template <typename T> T *child(const QObject *parent, const QString &name) {
  T *found = parent->findChild<T *>(name);
  if (!found) qFatal("no control %s", qPrintable(name));
  return found;
}

} // namespace quarnel
