#pragma once
#include <cmath>

// The display scales the clock draws at, a monitor's pixels per inch over 96: 100 % up to the
// 500 % that Windows offers. Below 1 a hand would need a wider kernel than it has.
inline constexpr double kMinScale = 1, kMaxScale = 5;

// A length given at 96 pixels per inch (face pixels, dialog pixels) on a monitor at `scale`,
// in device pixels.
inline int ScaledLength(int length, double scale) { return static_cast<int>(std::lround(length * scale)); }
