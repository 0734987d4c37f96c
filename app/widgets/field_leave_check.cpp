// The focus-leaving check of the text fields of the settings window and the node editor.
#include "widgets/field_leave_check.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include <algorithm>

namespace quarnel {

FieldLeaveCheck::FieldLeaveCheck(Check check, QObject *parent)
    : QObject(parent), m_check(std::move(check)) {}

void FieldLeaveCheck::watch(QLineEdit *field) {
  m_fields.push_back(field);
  field->installEventFilter(this);
}

void FieldLeaveCheck::leaveUncheckedFor(QWidget *control) { m_uncheckedArrivals.push_back(control); }

bool FieldLeaveCheck::focusedFieldAccepted() {
  auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
  if (!field || std::find(m_fields.begin(), m_fields.end(), field) == m_fields.end()) return true;
  return run(field);
}

// Switching to another window, opening a menu or hiding the window is not leaving the field.
bool FieldLeaveCheck::leaving(QLineEdit *field, QEvent *event) const {
  if (m_running || event->type() != QEvent::FocusOut) return false;
  switch (static_cast<QFocusEvent *>(event)->reason()) {
  case Qt::ActiveWindowFocusReason:
  case Qt::PopupFocusReason:
  case Qt::MenuBarFocusReason:
    return false;
  default:
    break;
  }
  QWidget *next = QApplication::focusWidget();
  if (std::find(m_uncheckedArrivals.begin(), m_uncheckedArrivals.end(), next) != m_uncheckedArrivals.end())
    return false;
  return next && next != field && next->window() == field->window() && field->isVisible();
}

bool FieldLeaveCheck::run(QLineEdit *field) {
  m_running = true;
  bool accepted = m_check(field);
  if (!accepted) field->setFocus(Qt::OtherFocusReason);
  m_running = false;
  return accepted;
}

bool FieldLeaveCheck::eventFilter(QObject *watched, QEvent *event) {
  if (m_swallowPress && (event->type() == QEvent::MouseButtonPress ||
                         event->type() == QEvent::MouseButtonDblClick)) {
    m_swallowPress = false;
    qApp->removeEventFilter(this);
    return true;
  }
  auto *field = qobject_cast<QLineEdit *>(watched);
  if (!field || !leaving(field, event)) return false;
  bool byMouse = static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason;
  if (!run(field) && byMouse) {
    m_swallowPress = true;
    qApp->installEventFilter(this);
  }
  return false;
}

} // namespace quarnel
