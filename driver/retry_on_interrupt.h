// A system call that a signal interrupted is made again, until it ends for another reason.
#pragma once

#include <cerrno>

namespace tavik {

inline int retryOnInterrupt(auto call) {
  int rc;
  do { rc = call(); } while (rc < 0 && errno == EINTR);
  return rc;
}

} // namespace tavik
