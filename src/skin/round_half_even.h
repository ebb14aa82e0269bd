#pragma once
#include <cstdint>

// num / den rounded to the nearest integer, halves to the even one (den > 0). Label placement
// and the fade's sizes and centres round this way.
inline int64_t RoundHalfEvenDiv(int64_t num, int64_t den) {
  int64_t q = num / den;
  int64_t r = num % den;
  if (r < 0) {  // make it a floor division
    r += den;
    --q;
  }
  if (2 * r > den || (2 * r == den && (q & 1) != 0)) ++q;
  return q;
}
