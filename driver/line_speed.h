// The line's speed and byte format as the kernel holds them. Speeds beyond the fixed
// B-constants go through termios2; kept apart because <asm/termbits.h> cannot share a file with <termios.h>.
#pragma once

#include <cstdint>

namespace tavik {

// Asks the device for `baud` bit/s in both directions; false when the device refuses.
bool setCustomLineSpeed(int fd, int32_t baud);

// The output speed in bit/s as the device has it now, custom or standard; 0 when unknown.
int32_t readLineSpeed(int fd);

// Bits one byte takes on the line as the device is set now: start, data, parity and stop bits.
// 10 (8N1) when the device cannot tell.
int readBitsPerByte(int fd);

} // namespace tavik
