#include "time/world_time.h"

#include <gtest/gtest.h>

#include "support/date_at.h"
#include "support/zoned_clock.h"
#include "time/fake_zone_source.h"

namespace {

// Sorted: Eastern (-05:00, daylight saving), Berlin (+01:00, daylight saving), Tokyo (+09:00).
FakeZoneSource WorldZones() {
  ZoneInformation eastern = NorthernZone();
  eastern.Bias = 300;
  eastern.DaylightDate = YearlyRule(3, 2, 0, 2);
  eastern.StandardDate = YearlyRule(11, 1, 0, 2);
  ZoneInformation berlin = NorthernZone();
  berlin.Bias = -60;
  berlin.DaylightDate = YearlyRule(3, 5, 0, 2);
  berlin.StandardDate = YearlyRule(10, 5, 0, 3);
  FakeZoneSource source;
  source.Add("Tokyo Standard Time", "(GMT+09:00) Osaka, Sapporo, Tokyo", FixedZone(-540));
  source.Add("W. Europe Standard Time", "(GMT+01:00) Amsterdam, Berlin", berlin);
  source.Add("Eastern Standard Time", "(GMT-05:00) Eastern Time (US & Canada)", eastern);
  return source;
}

constexpr int32_t kEastern = 0, kBerlin = 1, kTokyo = 2;

}  // namespace

TEST(WorldTime, ShowsTheChosenZonesTime) {
  FakeZoneSource source = WorldZones();
  const TQvRegistryTimeZones zones(source);
  ASSERT_EQ(zones.Item(kTokyo).KeyName(), "Tokyo Standard Time");
  WorldTime world(zones);
  const struct {
    const char* what;
    int32_t zoneId;
    TDateTime utc, want;
  } cases[] = {
      {"Tokyo at noon on a UTC+1 machine", kTokyo, At(2024, 1, 15, 11), At(2024, 1, 15, 20)},
      {"Tokyo past midnight", kTokyo, At(2024, 12, 31, 19), At(2025, 1, 1, 4)},
      {"Berlin in winter", kBerlin, At(2024, 1, 15, 11), At(2024, 1, 15, 12)},
      {"Berlin in summer", kBerlin, At(2024, 7, 1, 11), At(2024, 7, 1, 13)},
      {"New York in summer", kEastern, At(2024, 7, 1, 11), At(2024, 7, 1, 7)},
      {"New York the day before its change", kEastern, At(2024, 3, 9, 11), At(2024, 3, 9, 6)},
      {"New York the day after", kEastern, At(2024, 3, 11, 11), At(2024, 3, 11, 7)},
      {"local time", -1, At(2024, 7, 1, 11), At(2024, 7, 1, 12)},
      {"an id beyond the list", 3, At(2024, 7, 1, 11), At(2024, 7, 1, 12)},
      {"a garbled negative id", -7, At(2024, 7, 1, 11), At(2024, 7, 1, 12)},
      {"back to Tokyo", kTokyo, At(2024, 7, 1, 11), At(2024, 7, 1, 20)},
  };
  for (const auto& c : cases) {
    const ZonedClock clock(FixedZone(-60), c.utc);  // UTC+1 without daylight saving
    EXPECT_NEAR(world.DisplayedTime(c.zoneId, clock), c.want, 1e-9) << c.what;
  }
}

// In the hour that repeats when the machine's zone leaves daylight saving, each local time
// stands for two moments: a world zone shows each of them, north and south.
TEST(WorldTime, TheRepeatedHourOfTheMachinesZoneShowsBothMoments) {
  FakeZoneSource source = WorldZones();
  const TQvRegistryTimeZones zones(source);
  WorldTime world(zones);
  const struct {
    const char* what;
    ZoneInformation machine;
    TDateTime utc, local, tokyo;
  } cases[] = {
      {"north, first 01:30 (daylight)", NorthernZone(), At(2027, 10, 31, 0, 30), At(2027, 10, 31, 1, 30),
       At(2027, 10, 31, 9, 30)},
      {"north, second 01:30 (standard)", NorthernZone(), At(2027, 10, 31, 1, 30), At(2027, 10, 31, 1, 30),
       At(2027, 10, 31, 10, 30)},
      {"north, the spring change", NorthernZone(), At(2027, 3, 28, 1, 30), At(2027, 3, 28, 2, 30),
       At(2027, 3, 28, 10, 30)},
      {"south, first 02:30 (daylight)", SouthernZone(), At(2027, 4, 3, 15, 30), At(2027, 4, 4, 2, 30),
       At(2027, 4, 4, 0, 30)},
      {"south, second 02:30 (standard)", SouthernZone(), At(2027, 4, 3, 16, 30), At(2027, 4, 4, 2, 30),
       At(2027, 4, 4, 1, 30)},
      {"south, the spring change", SouthernZone(), At(2027, 10, 2, 16, 30), At(2027, 10, 3, 3, 30),
       At(2027, 10, 3, 1, 30)},
  };
  for (const auto& c : cases) {
    const ZonedClock clock(c.machine, c.utc);
    ASSERT_NEAR(clock.Now(), c.local, 1e-9) << c.what;
    EXPECT_NEAR(world.DisplayedTime(kTokyo, clock), c.tokyo, 1e-9) << c.what;
    EXPECT_NEAR(world.DisplayedTime(-1, clock), c.local, 1e-9) << c.what << ": local time as it reads";
  }
}

TEST(WorldTime, AnEmptyZoneListShowsLocalTime) {
  FakeZoneSource source = WorldZones();
  source.readable = false;
  const TQvRegistryTimeZones zones(source);
  WorldTime world(zones);
  EXPECT_DOUBLE_EQ(world.DisplayedTime(0, ZonedClock(FixedZone(-60), 46000.25)), 46000.25 + 1.0 / 24);
}
