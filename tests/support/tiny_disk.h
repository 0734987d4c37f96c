// A disk that is full after its first page: a 4 KiB tmpfs mounted on a fresh folder for as long
// as the object lives. Mounting needs root (CI has it); where it fails, `whyNot()` says why.
#pragma once

#include "temporary_folder.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/mount.h>

namespace quarnel {

class TinyDisk {
public:
  TinyDisk() {
    if (::mount("tmpfs", m_folder.path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=4k") == 0)
      m_mounted = true;
    else
      m_whyNot = "cannot mount a tmpfs here: " + std::string(std::strerror(errno));
  }
  ~TinyDisk() {
    if (m_mounted) ::umount2(m_folder.path().c_str(), MNT_DETACH);
  }
  TinyDisk(const TinyDisk &) = delete;
  TinyDisk &operator=(const TinyDisk &) = delete;

  bool mounted() const { return m_mounted; }
  const std::string &whyNot() const { return m_whyNot; }
  std::string path(const std::string &name) const { return m_folder.file(name); }
  std::string folder() const { return m_folder.path().string(); }

private:
  tavik::testing::TemporaryFolder m_folder;
  std::string m_whyNot;
  bool m_mounted = false;
};

} // namespace quarnel
