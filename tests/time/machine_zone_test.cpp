#include "time/machine_zone.h"

#include <gtest/gtest.h>

#include "support/date_at.h"
#include "time/fake_zone_source.h"

namespace {

class CountingMachineZone : public MachineZone {
 public:
  ZoneInformation zone = FixedZone(0);
  int reads = 0;
  ZoneInformation Current() override {
    ++reads;
    return zone;
  }
};

}  // namespace

TEST(MachineZoneCache, AsksThePlatformOnlyInANewHourOrAfterAnAnnouncedChange) {
  CountingMachineZone platform;
  MachineZoneCache cache(platform);
  const struct {
    const char* what;
    bool announced;
    TDateTime local;
    int reads;
  } steps[] = {
      {"the first tick", false, At(2026, 3, 29, 10, 15), 1},
      {"the next tick", false, At(2026, 3, 29, 10, 15, 0, 100), 1},
      {"the last tick of the hour", false, At(2026, 3, 29, 10, 59, 59, 900), 1},
      {"a tick that shows the next hour", false, At(2026, 3, 29, 10, 59, 59, 999) + 0.6 / kMsPerDay, 2},
      {"on in that hour", false, At(2026, 3, 29, 11, 0, 0, 100), 2},
      {"the system announced a change", true, At(2026, 3, 29, 11, 0, 0, 200), 3},
      {"after the announcement", false, At(2026, 3, 29, 11, 0, 0, 300), 3},
      {"the clock set back an hour", false, At(2026, 3, 29, 10, 30), 4},
      {"the same hour a day later", false, At(2026, 3, 30, 10, 30), 5},
      {"New Year, when yearly rules change", false, At(2027, 1, 1, 0, 0), 6},
  };
  for (const auto& s : steps) {
    if (s.announced) cache.Forget();
    cache.At(s.local);
    EXPECT_EQ(platform.reads, s.reads) << s.what;
  }
}

TEST(MachineZoneCache, AnUnannouncedChangeShowsWithTheNextHour) {
  CountingMachineZone platform;
  MachineZoneCache cache(platform);
  EXPECT_EQ(cache.At(At(2026, 7, 1, 9, 40)).Bias, 0);
  platform.zone = FixedZone(300);
  EXPECT_EQ(cache.At(At(2026, 7, 1, 9, 59, 59)).Bias, 0);
  EXPECT_EQ(cache.At(At(2026, 7, 1, 10, 0)).Bias, 300);
}
