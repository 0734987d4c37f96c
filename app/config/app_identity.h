// Who the application is: its product name, file description, version, folder and the folder
// of its settings.
#pragma once

#include <cstdint>
#include <string>

namespace quarnel {

struct AppVersion {
  int16_t major = 0;
  int16_t minor = 0;
  int16_t revision = 0;
};

struct AppIdentity {
  std::string productName;
  std::string fileDescription;
  AppVersion version;
  std::string folder;         // holds the program file
  std::string settingsFolder; // holds setup.res and quarnel.conf

  // This release, living in `folder`, its settings beside it.
  static AppIdentity quarnel(std::string folder);
  // This release in `folder`, its settings beside it for portable use, else in the user's
  // configuration folder (settingsFolderFor).
  static AppIdentity quarnelFor(std::string folder);
  std::string setupFilePath() const { return settingsFolder + "/setup.res"; }
  std::string rememberedFilePath() const { return settingsFolder + "/quarnel.conf"; }
};

} // namespace quarnel
