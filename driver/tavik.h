/* Tavik: the serial link to the servo board.
 *
 * A stable contract: these calls keep their meaning. Arguments and results are 32-bit signed
 * integers by value; TVK_OPEN, TVK_MOVE and TVK_CLOSE answer -1 for success and 0 for failure,
 * TVK_SENT answers a position. The library keeps no error state. The calls may come from any
 * thread: TVK_OPEN and TVK_CLOSE take turns, and TVK_MOVE and TVK_SENT never wait for either.
 * The library's own transmit thread is the only writer to the serial port. */
#pragma once

#include <stdint.h>

#if defined(TAVIK_BUILDING)
#define TAVIK_API __attribute__((visibility("default")))
#else
#define TAVIK_API
#endif

/* No C++ exception leaves any of the calls. */
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
 * at `baud` clamped to 2400..9600 and starts the transmit thread, which sends every one of the
 * 32 slots once, in slot order, and then each change. What that first pass sends for a slot is
 * its target: the position TVK_MOVE stored for it since the last TVK_CLOSE (or since the
 * library was loaded), else 127. So a caller that names no positions gets every servo at 127,
 * and one that moves each servo to where it stands before the open does not jump it. An already
 * open link is closed first; the targets stay as they are then. Returns 0 when `port` is out of
 * range (the open link then stays as it was), when $TAVIK_COM<port> is set but empty, when the
 * device cannot be opened or is held by another opener, when it is not a terminal device (a
 * regular file, a pipe, /dev/null: nothing is written to it), and when the system cannot start
 * the transmit thread (the device is closed again, free for the next open); -1 otherwise. May
 * block briefly for the device open. */
TAVIK_API int32_t TVK_OPEN(int32_t port, int32_t baud) TAVIK_NOEXCEPT;

/* Stores `position` (0 to 254) as the target of servo `servo` (0 to 31). Never blocks, never
 * does I/O: the transmit thread sends the change. Returns -1 when stored; 0 when either
 * argument is outside its range. Valid before the first TVK_OPEN and after TVK_CLOSE too:
 * stored, and sent by the next open's first pass. */
TAVIK_API int32_t TVK_MOVE(int32_t servo, int32_t position) TAVIK_NOEXCEPT;

/* The position (0 to 254) last written to the line for servo `servo` (0 to 31) since the last
 * successful TVK_OPEN, also after TVK_CLOSE until the next open; -1 when nothing has been
 * written for it since then, and for a servo outside 0 to 31. A frame the device did not take
 * in time counts as written. The line has carried a servo's moves once this answers the
 * position TVK_MOVE last stored for it. Never blocks, never does I/O. */
TAVIK_API int32_t TVK_SENT(int32_t servo) TAVIK_NOEXCEPT;

/* Sends, once each and in slot order, every slot whose target changed since it was last sent,
 * so the last moves before a close still reach the board; then stops the transmit thread and
 * closes the port. Every target is 127 again afterwards, for the next open. Returns within half
 * a second, also on a stalled or removed device (whatever has not gone out by then is dropped).
 * Returns -1, also when no link is open. */
TAVIK_API int32_t TVK_CLOSE(void) TAVIK_NOEXCEPT;

#ifdef __cplusplus
}
#endif
