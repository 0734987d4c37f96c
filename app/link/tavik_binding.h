// The driver library libTavik.so, loaded from the application's own folder at the first need
// and kept for the rest of the process. Of TVK_MOVE's and TVK_CLOSE's results nothing is used.
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

  // Loads the library and looks up TVK_OPEN, TVK_MOVE, TVK_SENT and TVK_CLOSE if that has not
  // been done;
  // what is wrong when it cannot, for the user.
  std::optional<std::string> bind();

  // Each servo's start named with TVK_MOVE, then TVK_OPEN.
  bool open(int32_t port, int32_t baud, const ServoPositions &startAt) override;
  void move(int32_t servo, int32_t position) override;
  int32_t sent(int32_t servo) const override;
  void close() override;

private:
  using OpenFn = int32_t (*)(int32_t, int32_t);
  using MoveFn = int32_t (*)(int32_t, int32_t);
  using SentFn = int32_t (*)(int32_t);
  using CloseFn = int32_t (*)();

  std::string m_path;
  OpenFn m_open = nullptr;
  MoveFn m_move = nullptr;
  SentFn m_sent = nullptr;
  CloseFn m_close = nullptr;
};

} // namespace quarnel
