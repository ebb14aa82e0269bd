#include "app/saved_zone.h"

#include <gtest/gtest.h>

#include "support/fake_clock.h"
#include "time/fake_zone_source.h"

TEST(ZoneSavedId, SettingsKeepTheCityWhenTheZoneSetChanges) {
  FakeZoneSource source = ThreeZones();
  source.Add("Azores Standard Time", "(GMT-01:00) Azores", 60);  // sorts before GMT
  const TQvRegistryTimeZones zones(source);  // Eastern, Azores, GMT, Tokyo
  FakeClock clock;
  const struct {
    const char* what;
    int32_t savedId;
    const char* savedKey;
    int32_t wantId;
    const char* wantKey;
  } cases[] = {
      {"the saved city moved one place on", 2, "Tokyo Standard Time", 3, "Tokyo Standard Time"},
      {"old settings learn their key name", 2, "", 2, "GMT Standard Time"},
      {"old settings beyond the list stay as they are", 9, "", 9, ""},
      {"a city gone shows local time and is remembered", 1, "Atlantis Standard Time", -1,
       "Atlantis Standard Time"},
      {"local time", -1, "", -1, ""},
  };
  for (const auto& c : cases) {
    ClockState state(clock);
    state.FTimeZoneId = c.savedId;
    state.FTimeZoneKey = c.savedKey;
    ResolveSavedZone(zones, state);
    EXPECT_EQ(state.FTimeZoneId, c.wantId) << c.what;
    EXPECT_EQ(state.FTimeZoneKey, c.wantKey) << c.what;
  }
}

TEST(ZoneSavedId, AnUnreadableZoneDatabaseLosesNoSetting) {
  FakeZoneSource source = ThreeZones();
  source.readable = false;
  const TQvRegistryTimeZones zones(source);
  FakeClock clock;
  ClockState state(clock);
  state.FTimeZoneId = 2;
  state.FTimeZoneKey = "Tokyo Standard Time";
  ResolveSavedZone(zones, state);
  EXPECT_EQ(state.FTimeZoneId, -1);
  EXPECT_EQ(state.FTimeZoneKey, "Tokyo Standard Time");
  // Once the database reads again, the next start finds the city.
  source.readable = true;
  const TQvRegistryTimeZones again(source);
  ResolveSavedZone(again, state);
  EXPECT_EQ(state.FTimeZoneId, 2);
}
