#include "time/zone_saved_id.h"

#include <gtest/gtest.h>

#include "time/fake_zone_source.h"

TEST(ZoneSavedId, TheSavedKeyNameWinsOverTheSavedPosition) {
  FakeZoneSource source = ThreeZones();
  const TQvRegistryTimeZones zones(source);
  const struct {
    const char* what;
    int32_t savedId;
    const char* savedKeyName;
    int32_t want;
  } cases[] = {
      {"old settings keep their id", 1, "", 1},
      {"old settings out of range", 7, "", 7},
      {"local time", -1, "", -1},
      {"zone moved", 0, "Tokyo Standard Time", 2},
      {"key names ignore case", 0, "gmt standard time", 1},
      {"zone gone", 2, "Atlantis Standard Time", -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ResolveSavedZoneId(zones, c.savedId, c.savedKeyName), c.want) << c.what;
}
