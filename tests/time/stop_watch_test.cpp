#include "time/stop_watch.h"

#include <gtest/gtest.h>

#include "support/date_at.h"
#include "support/fake_clock.h"
#include "support/zoned_clock.h"
#include "time/tick_counter.h"
#include "time/zone_test_zones.h"

namespace {
double Seconds(double days) { return days * 86400.0; }
}  // namespace

TEST(StopWatch, PausesResumesAndResets) {
  FakeClock clock;
  TStopWatch sw(clock);
  sw.Start();
  clock.AdvanceSeconds(2);
  sw.Stop();
  clock.AdvanceSeconds(5);
  sw.Start();
  clock.AdvanceSeconds(1);
  EXPECT_NEAR(Seconds(sw.GetElapsedTime()), 3.0, 1e-6);

  const double start = sw.StartTime();
  clock.AdvanceSeconds(1);
  sw.Start();  // already running: StartTime stays
  EXPECT_EQ(sw.StartTime(), start);

  sw.Reset();  // running: counts on from zero
  clock.AdvanceSeconds(4);
  EXPECT_NEAR(Seconds(sw.GetElapsedTime()), 4.0, 1e-6);
  EXPECT_TRUE(sw.Running());

  sw.Stop();
  sw.Reset();  // stopped: stays at zero
  clock.AdvanceSeconds(10);
  EXPECT_EQ(sw.GetElapsedTime(), 0.0);
}

TEST(StopWatch, RunningTotalWrites) {
  FakeClock clock;
  TStopWatch sw(clock);
  sw.SetRunningTotal(1.0 / 24);
  EXPECT_NEAR(Seconds(sw.GetElapsedTime()), 3600, 1e-6);
  sw.Start();
  clock.AdvanceSeconds(10);
  sw.SetRunningTotal(2.0 / 24);
  EXPECT_NEAR(Seconds(sw.GetElapsedTime()), 7210, 1e-6);
}

TEST(StopWatch, RestoredRunningDoesNotCountTheClosedTime) {
  FakeClock clock;
  TStopWatch saved(clock);
  saved.SetRunningTotal(10.0 / 1440);
  saved.Start();
  // Restore an hour later, in the saved order: StartTime, RunningTotal, Running.
  clock.AdvanceSeconds(3600);
  TStopWatch restored(clock);
  restored.SetStartTime(saved.StartTime());
  restored.SetRunningTotal(saved.RunningTotal());
  restored.SetRunning(true);
  EXPECT_NEAR(Seconds(restored.GetElapsedTime()), 600, 1e-6);
}

TEST(StopWatch, FollowsTheWallClockWhenItIsChanged) {
  FakeClock clock;
  TStopWatch sw(clock);
  sw.Start();
  clock.AdvanceSeconds(-30);
  EXPECT_NEAR(Seconds(sw.GetElapsedTime()), -30, 1e-6);
}

// A 25-minute timer and a stopwatch started 10 minutes before each change of daylight saving,
// north and south: the change moves the local time by an hour, the elapsed time not at all.
TEST(StopWatch, DaylightSavingDoesNotMoveIt) {
  const struct {
    const char* what;
    ZoneInformation zone;
    TDateTime changeUtc;
    double localJumpHours;
  } cases[] = {
      {"north, spring forward", NorthernZone(), At(2027, 3, 28, 1, 0), +1},
      {"north, autumn back", NorthernZone(), At(2027, 10, 31, 1, 0), -1},
      {"south, spring forward", SouthernZone(), At(2027, 10, 2, 16, 0), +1},
      {"south, autumn back", SouthernZone(), At(2027, 4, 3, 16, 0), -1},
  };
  for (const auto& c : cases) {
    ZonedClock clock(c.zone, c.changeUtc - 10.0 / 1440);
    const double offsetBefore = clock.Now() - clock.UtcNow();
    TStopWatch timer(clock), stopwatch(clock);
    timer.Start();
    stopwatch.Start();
    for (double minutes : {5, 15, 24, 26}) {
      clock.AdvanceSeconds(minutes * 60 - Seconds(stopwatch.GetElapsedTime()));
      EXPECT_NEAR(Seconds(timer.GetElapsedTime()), minutes * 60, 1e-3) << c.what << " at " << minutes;
      EXPECT_EQ(timer.GetElapsedTime() >= 25.0 / 1440, minutes > 25) << c.what << ": the timer runs out at 25 minutes";
    }
    EXPECT_NEAR((clock.Now() - clock.UtcNow() - offsetBefore) * 24, c.localJumpHours, 1e-9) << c.what;
    // Folded at exit and saved: the total holds what ran, StartTime the local time of the fold.
    stopwatch.Stop();
    stopwatch.Start();
    EXPECT_NEAR(Seconds(stopwatch.RunningTotal()), 26 * 60, 1e-3) << c.what;
    EXPECT_DOUBLE_EQ(stopwatch.StartTime(), clock.Now()) << c.what;
    clock.AdvanceSeconds(60);
    EXPECT_NEAR(Seconds(stopwatch.GetElapsedTime()), 27 * 60, 1e-3) << c.what;
  }
}

TEST(TickExtender, CountsOnAcrossTheWrap) {
  TickExtender ext;
  EXPECT_EQ(ext.Extend(0xFFFFFF00u), 0xFFFFFF00ull);
  EXPECT_EQ(ext.Extend(0xFFFFFFFFu), 0xFFFFFFFFull);
  EXPECT_EQ(ext.Extend(0x10u), 0x100000010ull);
  EXPECT_EQ(ext.Extend(0x20u), 0x100000020ull);
  EXPECT_EQ(ext.Extend(0x5u), 0x200000005ull);
}
