// An accessible-interface factory for plain QWidget windows.
#include "widgets/window_role.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace quarnel {

namespace {

QAccessibleInterface *plainWindowFace(const QString &className, QObject *object) {
  if (className != QWidget::staticMetaObject.className() || !object->isWidgetType()) return nullptr;
  auto *widget = static_cast<QWidget *>(object);
  if (!widget->isWindow()) return nullptr;
  const bool dialog = widget->windowType() == Qt::Dialog;
  return new QAccessibleWidget(widget, dialog ? QAccessible::Dialog : QAccessible::Window);
}

} // namespace

void exposePlainWindows() {
  static const bool installed = (QAccessible::installFactory(plainWindowFace), true);
  (void)installed;
}

} // namespace quarnel
