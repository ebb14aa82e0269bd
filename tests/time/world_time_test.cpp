#include "time/world_time.h"

#include <gtest/gtest.h>

#include "support/date_at.h"
#include "time/fake_zone_source.h"

namespace {

constexpr double kHour = 1.0 / 24;

class FakeMachineZone : public MachineZone {
 public:
  ZoneInformation zone;
  int calls = 0;
  ZoneInformation Current() override {
    ++calls;
    return zone;
  }
};

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
  FakeMachineZone machine;
  machine.zone = FixedZone(-60);  // UTC+1 without daylight saving
  WorldTime world(zones, machine);
  const struct {
    const char* what;
    int32_t zoneId;
    TDateTime local, want;
  } cases[] = {
      {"Tokyo at noon on a UTC+1 machine", kTokyo, At(2024, 1, 15, 12), At(2024, 1, 15, 20)},
      {"Tokyo past midnight", kTokyo, At(2024, 12, 31, 20), At(2025, 1, 1, 4)},
      {"Berlin in winter", kBerlin, At(2024, 1, 15, 12), At(2024, 1, 15, 12)},
      {"Berlin in summer", kBerlin, At(2024, 7, 1, 12), At(2024, 7, 1, 13)},
      {"New York in summer", kEastern, At(2024, 7, 1, 12), At(2024, 7, 1, 7)},
      {"New York the day before its change", kEastern, At(2024, 3, 9, 12), At(2024, 3, 9, 6)},
      {"New York the day after", kEastern, At(2024, 3, 11, 12), At(2024, 3, 11, 7)},
      {"local time", -1, At(2024, 7, 1, 12), At(2024, 7, 1, 12)},
      {"an id beyond the list", 3, At(2024, 7, 1, 12), At(2024, 7, 1, 12)},
      {"a garbled negative id", -7, At(2024, 7, 1, 12), At(2024, 7, 1, 12)},
      {"back to Tokyo", kTokyo, At(2024, 7, 1, 12), At(2024, 7, 1, 20)},
  };
  for (const auto& c : cases) EXPECT_NEAR(world.DisplayedTime(c.zoneId, c.local), c.want, 1e-9) << c.what;
}

TEST(WorldTime, FollowsTheMachinesDaylightSavingAndAChangeOfItsZone) {
  FakeZoneSource source = WorldZones();
  const TQvRegistryTimeZones zones(source);
  FakeMachineZone machine;
  machine.zone = NorthernZone();  // London-like: UTC+1 in summer
  WorldTime world(zones, machine);
  EXPECT_NEAR(world.DisplayedTime(kTokyo, At(2024, 7, 1, 12)), At(2024, 7, 1, 20), 1e-9);
  EXPECT_NEAR(world.DisplayedTime(kTokyo, At(2024, 1, 1, 12)), At(2024, 1, 1, 21), 1e-9);
  // The repeated hour reads as daylight time.
  EXPECT_NEAR(world.DisplayedTime(kTokyo, At(2024, 10, 27, 1, 30)), At(2024, 10, 27, 9, 30), 1e-9);
  machine.zone = FixedZone(300);  // the user moves the machine to UTC-5
  world.MachineZoneChanged();
  EXPECT_NEAR(world.DisplayedTime(kTokyo, At(2024, 7, 1, 12)), At(2024, 7, 2, 2), 1e-9);
  EXPECT_NEAR(world.MachineLocalToUtc(true, At(2024, 7, 1, 12)), At(2024, 7, 1, 17), 1e-9);
}

// Each tick converts, but the machine's zone is asked for once in the hour.
TEST(WorldTime, KeepsTheMachinesZoneBetweenTicks) {
  FakeZoneSource source = WorldZones();
  const TQvRegistryTimeZones zones(source);
  FakeMachineZone machine;
  machine.zone = NorthernZone();
  WorldTime world(zones, machine);
  for (int tick = 0; tick < 600; ++tick)
    EXPECT_NEAR(world.DisplayedTime(kTokyo, At(2024, 7, 1, 12) + tick * 0.1 / kSecondsPerDay),
                At(2024, 7, 1, 20) + tick * 0.1 / kSecondsPerDay, 1e-9);
  EXPECT_EQ(machine.calls, 1);
  world.MachineZoneChanged();
  world.DisplayedTime(kTokyo, At(2024, 7, 1, 12, 1));
  EXPECT_EQ(machine.calls, 2);
}

TEST(WorldTime, LocalTimeNeedsNoMachineZone) {
  FakeZoneSource source = WorldZones();
  const TQvRegistryTimeZones zones(source);
  FakeMachineZone machine;
  WorldTime world(zones, machine);
  EXPECT_DOUBLE_EQ(world.DisplayedTime(-1, 46000.25), 46000.25);
  EXPECT_DOUBLE_EQ(world.DisplayedTime(99, 46000.25), 46000.25);
  EXPECT_EQ(machine.calls, 0);
}

TEST(WorldTime, AnEmptyZoneListShowsLocalTime) {
  FakeZoneSource source = WorldZones();
  source.readable = false;
  const TQvRegistryTimeZones zones(source);
  FakeMachineZone machine;
  WorldTime world(zones, machine);
  EXPECT_DOUBLE_EQ(world.DisplayedTime(0, 46000.25), 46000.25);
}
