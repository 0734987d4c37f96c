// Any bytes as a servo settings file: reading never fails, and whatever rows it gives, once
// written, read back the same.
#include "config/servo_settings_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace quarnel;
  ServoRows rows = defaultServoRows();
  readServoSettings(std::string_view(reinterpret_cast<const char *>(data), size), rows);
  ServoSettingsBytes file = writeServoSettings(rows);
  if (!file.refusal) {
    ServoRows again;
    readServoSettings(file.bytes, again);
    if (!(again == rows)) std::abort();
  }
  return 0;
}
