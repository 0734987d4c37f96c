// Which device a port number leads to: $TAVIK_COM<n> when it is set, else /dev/ttyS<n-1>, for
// ports 1 to 8. A variable set but empty leads nowhere: taking it as unset would open the
// machine's own serial port behind the user's back. Read at the moment of each open, so a caller
// may set the variable just before. Header-only, so that the application's account of a failed
// link follows the same rule.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace tavik {

inline constexpr int32_t kFirstPort = 1;
inline constexpr int32_t kLastPort = 8;

// The variable that names port n's device.
inline std::string portVariable(int32_t port) { return "TAVIK_COM" + std::to_string(port); }

// The device the variable names now, empty when it is set but empty; nothing when it is unset.
inline std::optional<std::string> namedPortDevice(int32_t port) {
  if (const char *named = std::getenv(portVariable(port).c_str())) return named;
  return std::nullopt;
}

// Port n's device when no variable names one.
inline std::string defaultPortDevice(int32_t port) { return "/dev/ttyS" + std::to_string(port - 1); }

// Nothing for a port number outside 1 to 8; empty for a port whose variable is empty.
inline std::optional<std::string> portDevice(int32_t port) {
  if (port < kFirstPort || port > kLastPort) return std::nullopt;
  return namedPortDevice(port).value_or(defaultPortDevice(port));
}

} // namespace tavik
