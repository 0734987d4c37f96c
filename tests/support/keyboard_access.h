// What a keyboard and a screen reader meet in a window: the controls Tab visits in turn, and
// the name each control is announced by.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

inline QString accessibleName(QWidget *widget) {
  QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(QAccessible::Name) : QString();
}

// The texts of the labels and frames that label `widget`.
inline QStringList labelledBy(QWidget *widget) {
  QStringList texts;
  for (const auto &label : QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label))
    texts << label.first->text(QAccessible::Name);
  return texts;
}

// The object names Tab reaches from `start` round to `start` again, each control that has no
// accessible name marked "(unnamed)". A round that never closes ends after 200 steps.
inline QStringList tabRound(QWidget *start) {
  QApplication::setActiveWindow(start->window());
  start->setFocus();
  QStringList visited;
  QWidget *at = start;
  do {
    visited << at->objectName() + (accessibleName(at).isEmpty() ? " (unnamed)" : "");
    QTest::keyClick(at, Qt::Key_Tab);
    at = QApplication::focusWidget();
  } while (at && at != start && visited.size() < 200);
  return visited;
}
