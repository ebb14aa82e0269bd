#pragma once
#include "time/date_time.h"

// The machine's clock, with millisecond resolution.
class WallClock {
 public:
  virtual ~WallClock() = default;
  // Local date and time.
  virtual TDateTime Now() const = 0;
  // The same clock in UTC: a change of the zone's offset (daylight saving) does not move it,
  // setting the machine's clock does.
  virtual TDateTime UtcNow() const = 0;
};
