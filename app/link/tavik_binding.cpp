// Loading libTavik.so and calling its exports.
#include "link/tavik_binding.h"

#include "link/shared_object_check.h"

#include <QCoreApplication>

#include <dlfcn.h>

namespace quarnel {

std::optional<std::string> TavikBinding::bind() {
  if (m_open) return std::nullopt;
  const std::string cannotLoad =
      QCoreApplication::translate("TavikBinding", "The servo driver %1 could not be loaded:").arg(QString::fromStdString(m_path)).toStdString() + "\n";
  if (const auto problem = sharedObjectProblem(m_path)) return cannotLoad + *problem;
  // Never closed: the link's thread lives in this library for as long as the process runs.
  void *handle = dlopen(m_path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) return cannotLoad + dlerror();
  const auto openFn = reinterpret_cast<OpenFn>(dlsym(handle, "TVK_OPEN"));
  const auto moveFn = reinterpret_cast<MoveFn>(dlsym(handle, "TVK_MOVE"));
  const auto sentFn = reinterpret_cast<SentFn>(dlsym(handle, "TVK_SENT"));
  const auto closeFn = reinterpret_cast<CloseFn>(dlsym(handle, "TVK_CLOSE"));
  if (!openFn || !moveFn || !sentFn || !closeFn)
    return QCoreApplication::translate("TavikBinding", "The servo driver %1 lacks TVK_OPEN, TVK_MOVE, TVK_SENT or TVK_CLOSE.")
        .arg(QString::fromStdString(m_path))
        .toStdString();
  m_open = openFn;
  m_move = moveFn;
  m_sent = sentFn;
  m_close = closeFn;
  return std::nullopt;
}

bool TavikBinding::open(int32_t port, int32_t baud, const ServoPositions &startAt) {
  if (bind()) return false;
  for (int servo = 0; servo < servoChannels; ++servo) m_move(servo, startAt[servo]);
  return m_open(port, baud) == -1;
}

void TavikBinding::move(int32_t servo, int32_t position) {
  if (m_move || !bind()) m_move(servo, position);
}

int32_t TavikBinding::sent(int32_t servo) const {
  // Nothing can have been sent by a library not yet loaded.
  return m_sent ? m_sent(servo) : -1;
}

void TavikBinding::close() {
  if (!bind()) m_close();
}

} // namespace quarnel
