#include "base/round_half_away.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

TEST(RoundHalfAway, GivesLlroundsInteger) {
  const double values[] = {
      0.0, -0.0, 0.5, -0.5, 1.5, -1.5, 2.5, -2.5, 0.49999999999999994, -0.49999999999999994,
      1.4999999999999998, 4503599627370495.5, 86399999.5, 86399999.49999999, DBL_MIN, -DBL_MIN,
      2147483646.5, -2147483646.5, 2147483647.0, 2147483647.5, -2147483648.5, 1e18, -1e18,
      3.0 * 65536 + 0.5, -7.0 / 65536,
  };
  for (double v : values) EXPECT_EQ(RoundHalfAway(v), std::llround(v)) << v;
  // Every halfway point and its neighbours between the ends of a day's milliseconds.
  for (double whole = -86400000; whole <= 86400000; whole += 9999.0) {
    for (double v : {whole + 0.5, std::nextafter(whole + 0.5, 0.0), std::nextafter(whole + 0.5, whole + 1)})
      EXPECT_EQ(RoundHalfAway(v), std::llround(v)) << v;
  }
}
