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

TavikLibrary load() {
  void *handle = dlopen(TavikLibrary::builtPath(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) throw std::runtime_error(dlerror());
  TavikLibrary lib;
  lib.open = reinterpret_cast<TavikLibrary::OpenFn>(symbol(handle, "TVK_OPEN"));
  lib.move = reinterpret_cast<TavikLibrary::MoveFn>(symbol(handle, "TVK_MOVE"));
  lib.sent = reinterpret_cast<TavikLibrary::SentFn>(symbol(handle, "TVK_SENT"));
  lib.close = reinterpret_cast<TavikLibrary::CloseFn>(symbol(handle, "TVK_CLOSE"));
  return lib;
}

} // namespace

const char *TavikLibrary::builtPath() { return TAVIK_LIBRARY_PATH; }

const TavikLibrary &TavikLibrary::get() {
  static const TavikLibrary lib = load();
  return lib;
}

} // namespace tavik::testing
