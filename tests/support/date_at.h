#pragma once
#include "time/date_time.h"

// The date-time value of a calendar moment that the test names; it must exist.
inline TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return EncodeDateTime({y, mo, d, h, mi, s, ms}).value();
}
