// Drag and drop of files onto a window and its controls.
#include "widgets/file_drop.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace quarnel {

FileDrop::FileDrop(QWidget &window, std::function<bool(const std::string &)> takes,
                   std::function<void(const std::vector<std::string> &)> open)
    : QObject(&window), m_window(window), m_takes(std::move(takes)), m_open(std::move(open)) {
  m_window.setAcceptDrops(true);
  // A field takes drops of its own, so the drop must be seen before it reaches the control.
  qApp->installEventFilter(this);
}

std::vector<std::string> FileDrop::filesTaken(const QMimeData *data) const {
  std::vector<std::string> files;
  for (const QUrl &url : data->urls()) {
    if (!url.isLocalFile()) continue;
    std::string path = QFile::encodeName(url.toLocalFile()).toStdString();
    if (m_takes(path)) files.push_back(std::move(path));
  }
  return files;
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto *widget = qobject_cast<QWidget *>(watched);
  if (!widget || widget->window() != &m_window) return false;
  auto *drop = static_cast<QDropEvent *>(event);
  std::vector<std::string> files = filesTaken(drop->mimeData());
  if (files.empty()) return false;
  drop->acceptProposedAction();
  if (type == QEvent::Drop)
    QTimer::singleShot(0, this, [this, files = std::move(files)] { m_open(files); });
  return true;
}

} // namespace quarnel
