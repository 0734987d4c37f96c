// Who the application is: its product name, file description, version and folder.
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
  std::string folder; // holds the program file and setup.res

  // This release, living in `folder`.
  static AppIdentity quarnel(std::string folder);
  std::string setupFilePath() const { return folder + "/setup.res"; }
};

} // namespace quarnel
