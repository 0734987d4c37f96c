/* Tavik: the serial link to the servo board.
 *
 * A stable contract: these three calls keep their meaning. Arguments and results are 32-bit
 * signed integers by value; -1 means success, 0 failure. The library keeps no error state.
 * The calls may come from any thread: TVK_OPEN and TVK_CLOSE take turns, and TVK_MOVE never
 * waits for either. The library's own transmit thread is the only writer to the serial port. */
#pragma once

#include <stdint.h>

#if defined(TAVIK_BUILDING)
#define TAVIK_API __attribute__((visibility("default")))
#else
#define TAVIK_API
#endif

/* No C++ exception leaves any of the three calls. */
#ifdef __cplusplus
#define TAVIK_NOEXCEPT noexcept
#else
#define TAVIK_NOEXCEPT
#endif

/* The range of line speeds TVK_OPEN sets, in bit/s; a speed outside it takes the nearer end. */
#define TVK_LOWEST_BAUD 2400
#define TVK_HIGHEST_BAUD 9600

#ifdef __cplusplus
extern "C" {
#endif

/* Opens serial port `port` (1 to 8: the device named by $TAVIK_COM<port> at the moment of the
 * call, else, when that variable is unset, /dev/ttyS<port-1>) exclusively, sets it to 8N1 raw
 * at `baud` clamped to 2400..9600, resets every servo slot to 127 and starts the transmit
 * thread, which sends every slot once and then each change. An already open link is closed
 * first. Returns 0 when `port` is out of range (the open link then stays as it was), when
 * $TAVIK_COM<port> is set but empty, when the device cannot be opened or is held by another
 * opener, when it is not a terminal device (a regular file, a pipe, /dev/null: nothing is
 * written to it), and when the system cannot start the transmit thread (the device is closed
 * again, free for the next open); -1 otherwise. May block briefly for the device open. */
TAVIK_API int32_t TVK_OPEN(int32_t port, int32_t baud) TAVIK_NOEXCEPT;

/* Stores `position` (0 to 254) as the target of servo `servo` (0 to 31). Never blocks, never
 * does I/O: the transmit thread sends the change. Returns -1 when stored; 0 when either
 * argument is outside its range. Valid before the first TVK_OPEN and after TVK_CLOSE too
 * (stored, sent by nothing until the next open, which resets every slot to 127). */
TAVIK_API int32_t TVK_MOVE(int32_t servo, int32_t position) TAVIK_NOEXCEPT;

/* Sends, once each and in slot order, every slot whose target changed since it was last sent,
 * so the last moves before a close still reach the board; then stops the transmit thread and
 * closes the port. Returns within half a second, also on a stalled or removed device (whatever
 * has not gone out by then is dropped). Returns -1, also when no link is open. */
TAVIK_API int32_t TVK_CLOSE(void) TAVIK_NOEXCEPT;

#ifdef __cplusplus
}
#endif
