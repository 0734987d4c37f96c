// A status line that a screen reader follows as it follows a live status bar: it stands in the
// status-bar role with its text as its name, and each change of state is announced. A change
// that is no news (a clock ticking on) is shown without a word.
#pragma once

#include <QLabel>

namespace quarnel {

class LiveStatus : public QLabel {
  Q_OBJECT

public:
  explicit LiveStatus(QWidget *parent = nullptr);

  // Shows `text` and has it said, when it differs from what is shown.
  void announce(const QString &text);
  // Shows `text` quietly.
  void refresh(const QString &text) { setText(text); }
};

} // namespace quarnel
