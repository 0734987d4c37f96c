// Files dropped from a file manager on a window, on any of its controls: those the window takes
// are opened once the drop has finished, so no question is asked while the file manager waits.
// Other drops (text on a field) go on as before.
#pragma once

#include <QObject>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QMimeData;

namespace quarnel {

class FileDrop : public QObject {
public:
  // `takes` says whether a file may be opened now; `open` opens those dropped together.
  FileDrop(QWidget &window, std::function<bool(const std::string &path)> takes,
           std::function<void(const std::vector<std::string> &paths)> open);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  std::vector<std::string> filesTaken(const QMimeData *data) const;

  QWidget &m_window;
  std::function<bool(const std::string &)> m_takes;
  std::function<void(const std::vector<std::string> &)> m_open;
};

} // namespace quarnel
