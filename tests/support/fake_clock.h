#pragma once
#include "time/wall_clock.h"

// A wall clock the test moves by hand, in a zone at UTC without daylight saving.
class FakeClock : public WallClock {
 public:
  explicit FakeClock(TDateTime start = 46000.5) : now_(start) {}
  TDateTime Now() const override { return now_; }
  TDateTime UtcNow() const override { return now_; }
  void Set(TDateTime t) { now_ = t; }
  void AdvanceSeconds(double s) { now_ += s / 86400.0; }

 private:
  TDateTime now_;
};
