// What a screen reader is told of changed names, caught where Qt hands its accessibility events
// to the platform: each name-changed event, with the role and name its object then has. For as
// long as it lives, one at a time.
#pragma once

#include <QAccessible>
#include <QAccessibleEvent>
#include <QString>
#include <QStringList>

#include <vector>

namespace quarnel {

class HeardAnnouncements {
public:
  struct Heard {
    QString objectName;
    QAccessible::Role role;
    QString name;
  };

  HeardAnnouncements() {
    s_current = this;
    m_previous = QAccessible::installUpdateHandler(&hear);
    QAccessible::setActive(true);
  }
  ~HeardAnnouncements() {
    QAccessible::installUpdateHandler(m_previous);
    s_current = nullptr;
  }
  HeardAnnouncements(const HeardAnnouncements &) = delete;
  HeardAnnouncements &operator=(const HeardAnnouncements &) = delete;

  // The names announced for the object of this name, in order; every one in the role given.
  QStringList namesOf(const QString &objectName, QAccessible::Role role) const {
    QStringList names;
    for (const Heard &heard : m_heard)
      if (heard.objectName == objectName)
        names << (heard.role == role ? heard.name : QString("(in role %1) %2").arg(heard.role).arg(heard.name));
    return names;
  }

private:
  static void hear(QAccessibleEvent *event) {
    if (!s_current || event->type() != QAccessible::NameChanged) return;
    QAccessibleInterface *face = event->accessibleInterface();
    if (!face || !event->object()) return;
    s_current->m_heard.push_back({event->object()->objectName(), face->role(), face->text(QAccessible::Name)});
  }

  static inline HeardAnnouncements *s_current = nullptr;
  QAccessible::UpdateHandler m_previous = nullptr;
  std::vector<Heard> m_heard;
};

} // namespace quarnel
