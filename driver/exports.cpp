// The four C exports of libTavik.so; each forwards to the process's one serial link, and no
// C++ exception crosses into the caller.
#include "tavik.h"

#include "serial_link.h"

using tavik::SerialLink;

extern "C" TAVIK_API int32_t TVK_OPEN(int32_t port, int32_t baud) noexcept {
  try {
    return SerialLink::instance().open(port, baud) ? -1 : 0;
  } catch (...) {
    return 0;
  }
}

extern "C" TAVIK_API int32_t TVK_MOVE(int32_t servo, int32_t position) noexcept {
  return SerialLink::instance().move(servo, position) ? -1 : 0;
}

extern "C" TAVIK_API int32_t TVK_SENT(int32_t servo) noexcept { return SerialLink::instance().sent(servo); }

extern "C" TAVIK_API int32_t TVK_CLOSE(void) noexcept {
  try {
    SerialLink::instance().close();
  } catch (...) {
  }
  return -1;
}
