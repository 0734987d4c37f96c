// The portable-use test on the program's folder.
#include "config/settings_place.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarnel {

namespace {

// The effective user's rights, as the saves will meet them; a read-only mount fails here too.
bool writable(const std::string &path) { return faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0; }

} // namespace

std::string settingsFolderFor(const std::string &programFolder, const std::string &userFolder) {
  const std::string beside = programFolder + "/setup.res";
  struct stat status {};
  if (stat(beside.c_str(), &status) == 0 && S_ISREG(status.st_mode) && writable(beside) &&
      writable(programFolder))
    return programFolder;
  return userFolder;
}

} // namespace quarnel
