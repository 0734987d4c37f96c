// Line speeds beyond the fixed B-constants: Linux takes any bit rate through termios2.
// Kept apart because <asm/termbits.h> cannot share a file with <termios.h>.
#pragma once

#include <cstdint>

namespace tavik {

// Asks the device for `baud` bit/s in both directions; false when the device refuses.
bool setCustomLineSpeed(int fd, int32_t baud);

// The output speed in bit/s as the device has it now, custom or standard; 0 when unknown.
int32_t readLineSpeed(int fd);

} // namespace tavik
