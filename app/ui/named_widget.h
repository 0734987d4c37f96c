// Widgets under the names the windows' designs give them: "cmdHome", and "hscServoCon(3)" for
// the members of a control array.
#pragma once

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

} // namespace quarnel
