// The role a screen reader is given for a widget that Qt would offer as a mere filler: a plain
// QWidget window is a window or a dialog, a widget that paints a picture a chart.
#pragma once

#include <QAccessible>

class QWidget;

namespace quarnel {

// Before anything has asked for the widget's accessible face, so in its constructor.
void setAccessibleRole(QWidget &widget, QAccessible::Role role);

} // namespace quarnel
