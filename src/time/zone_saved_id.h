#pragma once
#include <cstdint>
#include <string>

#include "time/zone_list.h"

// The zone id to use for a saved id and the key name saved beside it. The id is a
// position, so after the operating system's zone set changes it may name another
// zone; the key name wins when it is present. A saved name no longer in the list
// means the zone is gone: local time (-1) rather than whichever zone took its place.
// Settings from before the key name was saved keep their id.
int32_t ResolveSavedZoneId(const TQvRegistryTimeZones& zones, int32_t savedId,
                           const std::string& savedKeyName);
