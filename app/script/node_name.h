// Which names a new or renamed node may take: only those a script file can store and a script
// line can run.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

// Why the name is refused, for the user; nothing when it is fine. Files may still hold such
// names: they load and run by the line rules.
std::optional<std::string> nodeNameRefusal(std::string_view name);

} // namespace quarnel
