// Runs a check when the user moves the focus from a watched text field to another control of the
// same window, and puts the focus back when the check fails. Controls that abandon the edit
// (a Cancel button) are let through unchecked.
#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QLineEdit;

namespace quarnel {

class FieldLeaveCheck : public QObject {
public:
  // Shows its own messages; returns whether the field may be left.
  using Check = std::function<bool(QLineEdit *field)>;

  explicit FieldLeaveCheck(Check check, QObject *parent = nullptr);

  void watch(QLineEdit *field);
  // Moving the focus to this control leaves the field unchecked, and the press that moved it
  // acts: the control throws away whatever the field holds.
  void leaveUncheckedFor(QWidget *control);

  // For commands that do not move the focus (menus, access keys): whether the focused field, if
  // watched, passes. Asked each time, so each try that is refused says why.
  bool focusedFieldAccepted();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  bool leaving(QLineEdit *field, QEvent *event) const;
  bool run(QLineEdit *field);

  Check m_check;
  std::vector<QLineEdit *> m_fields;
  std::vector<QWidget *> m_uncheckedArrivals;
  // Qt has moved the focus before the field hears of it, and the message box takes the focus
  // again; while a check runs, the focus changes it causes are not checks of their own.
  bool m_running = false;
  // The press that tried to leave a refused field is still on its way to the control it hit.
  bool m_swallowPress = false;
};

} // namespace quarnel
