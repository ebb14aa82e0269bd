#pragma once
#include <cstdint>

#include "time/wall_clock.h"
#include "time/zone_converter.h"
#include "time/zone_list.h"

// The time the clock shows, asked at every tick: the chosen zone keeps its year's
// transitions, so a call costs a few comparisons.
class WorldTime {
 public:
  explicit WorldTime(const TQvRegistryTimeZones& zones) : zones_(zones) {}

  // DisplayedTime: the machine's UTC converted to the zone with that id; the local time
  // itself for -1 or an id that names no zone of the list. A world zone starts from UTC, not
  // from the local time, which is ambiguous in the hour that repeats when daylight saving ends.
  TDateTime DisplayedTime(int32_t zoneId, const WallClock& clock);

 private:
  const TQvRegistryTimeZones& zones_;  // read once, never changed afterwards
  ZoneConverter chosenZone_;
  int32_t chosenId_ = -1;
};
