#pragma once
#include "time/date_time.h"

// The machine's local date and time, with millisecond resolution.
class WallClock {
 public:
  virtual ~WallClock() = default;
  virtual TDateTime Now() const = 0;
};
