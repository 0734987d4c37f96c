// Where Quarnel keeps setup.res and quarnel.conf: beside the program when a setup.res stands
// there (portable use, the build tree), otherwise in the user's configuration folder.
#pragma once

#include <string>

namespace quarnel {

// `programFolder` when it holds a setup.res that is a regular file this user may replace (the
// file and its folder writable, since a save renames a new file over it); else `userFolder`,
// empty where the user has none.
std::string settingsFolderFor(const std::string &programFolder, const std::string &userFolder);

} // namespace quarnel
