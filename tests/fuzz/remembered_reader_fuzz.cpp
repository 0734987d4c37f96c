// Any bytes as quarnel.conf: what is read writes and reads back the same, but for values holding
// a carriage return, which no line can carry.
#include "config/remembered_file.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace quarnel;
  Remembered r = readRememberedFile(std::string_view(reinterpret_cast<const char *>(data), size));
  for (std::string *value : {&r.servoSettingsFile, &r.scriptFile, &r.servoSettingsFolder, &r.scriptFolder,
                             &r.portDevices[0], &r.portDevices[1],
                             &r.portDevices[2], &r.portDevices[3], &r.positionsServoSettings, &r.positions})
    if (value->find('\r') != std::string::npos) value->clear();
  for (auto *recent : {&r.recentServoSettings, &r.recentScripts})
    std::erase_if(*recent, [](const std::string &value) { return value.find('\r') != std::string::npos; });
  if (!(readRememberedFile(writeRememberedFile(r)) == r)) std::abort();
  return 0;
}
