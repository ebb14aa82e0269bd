#pragma once
#include <cmath>
#include <cstdint>

// std::llround's integer, halves away from zero, without its library call (a slow one in
// 32-bit builds) for what fits in 32 bits; larger values and NaN go to llround itself.
inline int64_t RoundHalfAway(double x) {
  if (!(std::fabs(x) < 2147483647.0)) return std::llround(x);
  const int32_t whole = static_cast<int32_t>(x);  // toward zero
  const double rest = x - whole;                  // exact: whole holds x's leading bits
  return whole + (rest >= 0.5 ? 1 : rest <= -0.5 ? -1 : 0);
}
