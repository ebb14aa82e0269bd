#include "app/saved_zone.h"

#include "time/zone_list.h"

void ResolveSavedZone(const TQvRegistryTimeZones& zones, ClockState& state) {
  state.FTimeZoneId = ResolveSavedZoneId(zones, state.FTimeZoneId, state.FTimeZoneKey);
  if (state.FTimeZoneKey.empty())
    if (const auto zone = zones.ZoneByIndex(state.FTimeZoneId)) state.FTimeZoneKey = zone->keyName;
}
