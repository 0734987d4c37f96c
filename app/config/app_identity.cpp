// This release's identity; the version comes from the project's version in the build.
#include "config/app_identity.h"

#include "config/settings_folder.h"
#include "config/settings_place.h"

namespace quarnel {

AppIdentity AppIdentity::quarnel(std::string folder) {
  return {"Quarnel", "", {QUARNEL_VERSION_MAJOR, QUARNEL_VERSION_MINOR, QUARNEL_VERSION_PATCH},
          folder, folder};
}

AppIdentity AppIdentity::quarnelFor(std::string folder) {
  AppIdentity identity = quarnel(folder);
  identity.settingsFolder = settingsFolderFor(folder, userSettingsFolder().value_or(""));
  return identity;
}

} // namespace quarnel
