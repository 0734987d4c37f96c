// The status line's accessible face, and the name-changed event a screen reader speaks from.
#include "widgets/live_status.h"

#include <QAccessibleEvent>
#include <QAccessibleWidget>

namespace quarnel {

namespace {

class LiveStatusFace : public QAccessibleWidget {
public:
  explicit LiveStatusFace(QWidget *status) : QAccessibleWidget(status, QAccessible::StatusBar) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return static_cast<const QLabel *>(widget())->text();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface *liveStatusFace(const QString &className, QObject *object) {
  if (className != LiveStatus::staticMetaObject.className()) return nullptr;
  return new LiveStatusFace(static_cast<QWidget *>(object));
}

} // namespace

LiveStatus::LiveStatus(QWidget *parent) : QLabel(parent) {
  static const bool installed = (QAccessible::installFactory(liveStatusFace), true);
  (void)installed;
  // A label without a name of its own tells of every new text; only announcements are news.
  // Its face gives its text as its name all the same.
  setAccessibleName(tr("Status"));
}

void LiveStatus::announce(const QString &text) {
  if (text == this->text()) return;
  setText(text);
  QAccessibleEvent changed(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

} // namespace quarnel
