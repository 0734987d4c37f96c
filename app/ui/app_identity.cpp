// This release's identity; the version comes from the project's version in the build.
#include "app_identity.h"

namespace quarnel {

AppIdentity AppIdentity::quarnel(std::string folder) {
  return {"Quarnel", "", {QUARNEL_VERSION_MAJOR, QUARNEL_VERSION_MINOR, QUARNEL_VERSION_PATCH},
          std::move(folder)};
}

} // namespace quarnel
