#include "time/world_time.h"

TDateTime WorldTime::DisplayedTime(int32_t zoneId, const WallClock& clock) {
  if (zoneId != chosenId_) {
    const auto zone = zones_.ZoneByIndex(zoneId);
    if (!zone) return clock.Now();
    chosenZone_ = ZoneConverter(zone->info);
    chosenId_ = zoneId;
  }
  if (chosenId_ == -1) return clock.Now();
  return chosenZone_.UtcToLocal(clock.UtcNow());
}
