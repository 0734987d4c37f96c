// Choosing libTavik.so from the program's folder, with no search of any kind.
#include "link/driver_location.h"

#include <filesystem>

namespace quarnel {

std::string tavikLibraryPath(const std::string &programFolder) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::absolute(programFolder);
  const fs::path beside = folder / tavikLibraryFile;
  std::error_code error;
  // QUARNEL_DRIVER_DIR is the install layout's way from bin/ to the library's folder.
  const fs::path chosen = fs::is_regular_file(beside, error) ? beside : folder / QUARNEL_DRIVER_DIR / tavikLibraryFile;
  // A path that does not exist is still named in full, for the message that says so.
  const fs::path canonical = fs::weakly_canonical(chosen, error);
  return (error ? chosen.lexically_normal() : canonical).string();
}

} // namespace quarnel
