#pragma once
#include <cstdint>

#include "time/date_time.h"
#include "time/zone_info.h"

// The machine's own zone as the platform reports it at this moment.
class MachineZone {
 public:
  virtual ~MachineZone() = default;
  virtual ZoneInformation Current() = 0;
};

// The machine's zone, asked of the platform only when it may have changed: the world clock
// converts at every tick, and under Wine each answer costs more than the conversion. The
// system announces a change of its time or zone (Forget); a change it does not announce, and
// the next year's rules of a zone whose rules change by year, show with the next hour.
class MachineZoneCache {
 public:
  explicit MachineZoneCache(MachineZone& platform) : platform_(platform) {}

  // The zone in force at `local`, the machine's local time now.
  const ZoneInformation& At(TDateTime local);
  void Forget() { known_ = false; }

 private:
  MachineZone& platform_;
  ZoneInformation zone_;
  bool known_ = false;
  int64_t hour_ = 0;  // the local hour of the last read, counted from day 0
};
