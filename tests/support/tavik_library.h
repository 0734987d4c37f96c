// libTavik.so loaded for real, by absolute path, with its exports looked up by name.
#pragma once

#include <cstdint>

namespace tavik::testing {

struct TavikLibrary {
  using OpenFn = int32_t (*)(int32_t, int32_t);
  using MoveFn = int32_t (*)(int32_t, int32_t);
  using SentFn = int32_t (*)(int32_t);
  using CloseFn = int32_t (*)();

  // Loads the library once for the process; throws when it or an export is missing.
  static const TavikLibrary &get();
  // Where the build put the library.
  static const char *builtPath();

  OpenFn open = nullptr;
  MoveFn move = nullptr;
  SentFn sent = nullptr;
  CloseFn close = nullptr;
};

} // namespace tavik::testing
