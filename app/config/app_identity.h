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
  std::string settingsFolder; // holds setup.res and quarnel.conf; empty where there is none

  // This release, living in `folder`, its settings beside it.
  static AppIdentity quarnel(std::string folder);
  // This release in `folder`, its settings beside it for portable use, else in the user's
  // configuration folder (settingsFolderFor), else, with no home, nowhere.
  static AppIdentity quarnelFor(std::string folder);

  // Whether settings outlive the run: not where there is no folder to keep them in.
  bool keepsSettings() const { return !settingsFolder.empty(); }
  // Empty where settings are not kept: nothing is read from or written to them.
  std::string setupFilePath() const { return keepsSettings() ? settingsFolder + "/setup.res" : ""; }
  std::string rememberedFilePath() const { return keepsSettings() ? settingsFolder + "/quarnel.conf" : ""; }
};

} // namespace quarnel
