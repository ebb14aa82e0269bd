#include "time/stop_watch.h"

#include <gtest/gtest.h>

#include "support/fake_clock.h"
#include "time/tick_counter.h"

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

TEST(TickExtender, CountsOnAcrossTheWrap) {
  TickExtender ext;
  EXPECT_EQ(ext.Extend(0xFFFFFF00u), 0xFFFFFF00ull);
  EXPECT_EQ(ext.Extend(0xFFFFFFFFu), 0xFFFFFFFFull);
  EXPECT_EQ(ext.Extend(0x10u), 0x100000010ull);
  EXPECT_EQ(ext.Extend(0x20u), 0x100000020ull);
  EXPECT_EQ(ext.Extend(0x5u), 0x200000005ull);
}
