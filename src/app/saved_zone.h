#pragma once
#include "app/clock_state.h"
#include "time/zone_list.h"

// After the settings are read: the zone id the saved key name gives. Old settings
// take the key name of the zone at their id, so the next save writes it. The key name
// of a zone that is gone is kept, so the zone comes back if it returns.
void ResolveSavedZone(const TQvRegistryTimeZones& zones, ClockState& state);
