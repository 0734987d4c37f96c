// An accessible-interface factory for the widgets given a role, which it keeps as a property.
#include "widgets/accessible_role.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace quarnel {

namespace {

constexpr const char *roleProperty = "quarnelAccessibleRole";

QAccessibleInterface *faceInItsRole(const QString &, QObject *object) {
  if (!object->isWidgetType()) return nullptr;
  const QVariant role = object->property(roleProperty);
  if (!role.isValid()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget *>(object), static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void setAccessibleRole(QWidget &widget, QAccessible::Role role) {
  static const bool installed = (QAccessible::installFactory(faceInItsRole), true);
  (void)installed;
  widget.setProperty(roleProperty, static_cast<int>(role));
}

} // namespace quarnel
