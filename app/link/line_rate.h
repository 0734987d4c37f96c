// What a serial line to the board carries: every position is one frame of three bytes.
#pragma once

namespace quarnel {

// Three bytes of ten bits each (start, eight data, stop) on an 8N1 line.
constexpr int bitsPerFrame = 30;

constexpr double lineFramesPerSecond(int baud) { return static_cast<double>(baud) / bitsPerFrame; }

} // namespace quarnel
