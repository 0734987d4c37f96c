// The driver library libTavik.so, loaded from the application's own folder at the first need
// and kept for the rest of the process. Of the three calls' results only TVK_OPEN's is used.
#pragma once

#include "link/servo_driver.h"

#include <optional>
#include <string>

namespace quarnel {

class TavikBinding : public ServoDriver {
public:
  // `libraryPath` is absolute: the library is never looked for in the working directory or a
  // search path.
  explicit TavikBinding(std::string libraryPath) : m_path(std::move(libraryPath)) {}

  // Loads the library and looks up TVK_OPEN, TVK_MOVE and TVK_CLOSE if that has not been done;
  // what is wrong when it cannot, for the user.
  std::optional<std::string> bind();

  bool open(int32_t port, int32_t baud) override;
  void move(int32_t servo, int32_t position) override;
  void close() override;

private:
  using OpenFn = int32_t (*)(int32_t, int32_t);
  using MoveFn = int32_t (*)(int32_t, int32_t);
  using CloseFn = int32_t (*)();

  std::string m_path;
  OpenFn m_open = nullptr;
  MoveFn m_move = nullptr;
  CloseFn m_close = nullptr;
};

} // namespace quarnel
