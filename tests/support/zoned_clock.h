#pragma once
#include "time/wall_clock.h"
#include "time/zone_rules.h"

// A wall clock the test moves by hand in UTC; its local time follows a zone's rules, daylight
// saving included.
class ZonedClock : public WallClock {
 public:
  ZonedClock(const ZoneInformation& zone, TDateTime utc) : zone_(zone), utc_(utc) {}
  TDateTime Now() const override { return ZoneUtcToLocal(zone_, utc_); }
  TDateTime UtcNow() const override { return utc_; }
  void AdvanceSeconds(double s) { utc_ += s / 86400.0; }

 private:
  ZoneInformation zone_;
  TDateTime utc_;
};
