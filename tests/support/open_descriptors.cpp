#include "open_descriptors.h"

#include <filesystem>
#include <iterator>

namespace tavik::testing {

int openDescriptorCount() {
  const auto entries = std::filesystem::directory_iterator("/proc/self/fd");
  return static_cast<int>(std::distance(begin(entries), end(entries)));
}

} // namespace tavik::testing
