// Whether the device the link leads to is still the one the driver opened. The driver keeps
// sending into a line whose board has gone and cannot say so, so the device's path is looked
// at now and then: a node that went away, or one made anew since the open (a board started
// again, a cable plugged back in), is a lost link, and a device back at the path after that
// is worth opening again.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <sys/types.h>

namespace quarnel {

class LinkWatch {
public:
  enum class Change { None, Lost, Back };

  // The driver opened `device`, or could not. A device that was there and refused (busy, no
  // permission) is not tried again until it has gone and come back: opening a serial device
  // can reset a board that belongs to another program.
  void opened(const std::string &device);
  void failed(const std::string &device);

  // What has become of the device since the last look.
  Change check();

private:
  struct Identity {
    dev_t device;
    timespec made;
    bool operator==(const Identity &o) const {
      return device == o.device && made.tv_sec == o.made.tv_sec && made.tv_nsec == o.made.tv_nsec;
    }
  };
  static std::optional<Identity> identityAt(const std::string &path);

  std::string m_path;
  std::optional<Identity> m_opened; // nothing while not open
  bool m_seenGone = false;
};

} // namespace quarnel
