#include "tavik_library.h"

#include <dlfcn.h>
#include <stdexcept>
#include <string>

namespace tavik::testing {

namespace {

void *symbol(void *handle, const char *name) {
  void *found = dlsym(handle, name);
  if (!found) throw std::runtime_error(std::string("libTavik.so lacks ") + name);
  return found;
}

} // namespace

const char *TavikLibrary::builtPath() { return TAVIK_LIBRARY_PATH; }

const TavikLibrary &TavikLibrary::get() {
  static const TavikLibrary lib = load(builtPath());
  return lib;
}

TavikLibrary TavikLibrary::load(const char *path) {
  // Local symbols: a second build by another path is a library of its own, with its own link.
  void *handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (!handle) throw std::runtime_error(dlerror());
  TavikLibrary lib;
  lib.open = reinterpret_cast<OpenFn>(symbol(handle, "TVK_OPEN"));
  lib.move = reinterpret_cast<MoveFn>(symbol(handle, "TVK_MOVE"));
  // Older builds, which the benchmarks measure beside this one, have no TVK_SENT.
  lib.sent = reinterpret_cast<SentFn>(dlsym(handle, "TVK_SENT"));
  lib.close = reinterpret_cast<CloseFn>(symbol(handle, "TVK_CLOSE"));
  return lib;
}

} // namespace tavik::testing
