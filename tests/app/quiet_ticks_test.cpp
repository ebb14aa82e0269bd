#include "app/quiet_ticks.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/clock_tick.h"
#include "support/date_at.h"
#include "support/fake_clock.h"

namespace {

// Two clocks tick side by side from the same state: one reads the time at every tick, the
// other lets its quiet ticks pass. Each tick comes 90 to 115 ms after the last, and the
// uptime counter moves in 16 ms steps and lags the wall clock by up to 20 ms, both varying.
struct SideBySide {
  FakeClock clock;
  ClockState always{clock}, skipping{clock};
  QuietTicks quiet;
  double wallMs = 0;
  int ticks = 0, reads = 0;
  unsigned seed = 12345;

  explicit SideBySide(TDateTime start) : clock(start) {}

  unsigned Next(unsigned below) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % below;
  }
  // Ticks until `seconds` have passed; false at the first tick whose outcomes differ.
  ::testing::AssertionResult Run(double seconds) {
    for (const double end = wallMs + seconds * 1000; wallMs < end; ++ticks) {
      const double step = 90 + Next(26);
      wallMs += step;
      clock.AdvanceSeconds(step / 1000);
      const uint64_t uptimeMs = static_cast<uint64_t>(std::floor((wallMs - Next(21)) / 16)) * 16;
      const TickOutcome expected = ClockTick(always, {clock.Now(), uptimeMs});
      TickOutcome seen;
      if (!quiet.Quiet(skipping, uptimeMs)) {
        seen = ClockTick(skipping, {clock.Now(), uptimeMs});
        quiet.Saw(skipping, seen.quietMs, uptimeMs);
        ++reads;
      }
      if (seen.beeps != expected.beeps || seen.chime != expected.chime || seen.faceChanged != expected.faceChanged ||
          skipping.FClockType != always.FClockType || skipping.hands.second != always.hands.second)
        return ::testing::AssertionFailure() << "tick " << ticks << " at " << wallMs << " ms differs";
    }
    return ::testing::AssertionSuccess();
  }
  template <typename Change>
  void Both(Change&& change) {
    change(always);
    change(skipping);
  }
};

}  // namespace

TEST(QuietTicks, TicksThatPassWithoutTheTimeChangeNothing) {
  struct Case {
    const char* what;
    void (*change)(ClockState&, TDateTime now);  // halfway through
  };
  const Case cases[] = {
      {"the clock alone", [](ClockState&, TDateTime) {}},
      {"a countdown that ends between two whole seconds",
       [](ClockState& s, TDateTime now) { s.FCountdownTo = AddSeconds(now, 2.437); }},
      {"a timer started that ends between two whole seconds",
       [](ClockState& s, TDateTime) {
         s.FTimerLength = 1.251 / 86400;
         s.swTimer.Start();
       }},
      {"a redraw asked for", [](ClockState& s, TDateTime) { s.FDrawKey = -1; }},
      {"the stopwatch mode", [](ClockState& s, TDateTime) {
         SetClockType(s, ctStopwatch);
         s.StopWatch1.Start();
       }},
      {"the uptime mode", [](ClockState& s, TDateTime) { SetClockType(s, ctUpTime); }},
      {"the chime turned off", [](ClockState& s, TDateTime) { s.options.chimes = false; }},
  };
  for (const Case& c : cases) {
    // Across the start of an hour, with its chime.
    SideBySide run(At(2026, 12, 8, 10, 59, 55, 321));
    run.Both([](ClockState& s) { s.FLastMinute = 59; });
    ASSERT_TRUE(run.Run(3.7)) << c.what;
    run.Both([&](ClockState& s) { c.change(s, run.clock.Now()); });
    EXPECT_TRUE(run.Run(6.3)) << c.what;
  }
}

TEST(QuietTicks, TheIdleClockReadsTheTimeAboutOnceASecond) {
  SideBySide run(At(2026, 12, 8, 10, 8, 30, 640));
  ASSERT_TRUE(run.Run(60));
  EXPECT_GT(run.ticks, 500);
  EXPECT_LE(run.reads, 2 * 60 + 1);
}

TEST(QuietTicks, AnythingTheTickReadsEndsTheQuiet) {
  struct Case {
    const char* what;
    void (*change)(ClockState&);
  };
  const Case cases[] = {
      {"mode", [](ClockState& s) { SetClockType(s, ctCountdown); }},
      {"redraw key", [](ClockState& s) { s.FDrawKey = -1; }},
      {"last minute", [](ClockState& s) { s.FLastMinute = 7; }},
      {"chimes", [](ClockState& s) { s.options.chimes = !s.options.chimes; }},
      {"zone", [](ClockState& s) { s.FTimeZoneId = 3; }},
      {"countdown end", [](ClockState& s) { s.FCountdownTo += 1.0; }},
      {"countdown armed", [](ClockState& s) { s.FCountdownArmed = true; }},
      {"timer length", [](ClockState& s) { s.FTimerLength *= 2; }},
      {"timer armed", [](ClockState& s) { s.FTimerArmed = !s.FTimerArmed; }},
      {"timer started", [](ClockState& s) { s.swTimer.Start(); }},
      {"timer's time", [](ClockState& s) { s.swTimer.SetRunningTotal(1.0 / 86400); }},
  };
  FakeClock clock(At(2026, 12, 8, 10, 8, 30));
  for (const Case& c : cases) {
    ClockState state(clock);
    ClockTick(state, {clock.Now(), 0});
    QuietTicks quiet;
    quiet.Saw(state, 900, 5000);
    ASSERT_TRUE(quiet.Quiet(state, 5100)) << c.what;
    c.change(state);
    EXPECT_FALSE(quiet.Quiet(state, 5100)) << c.what;
  }
}

TEST(QuietTicks, TheQuietEndsAMarginBeforeItsTime) {
  FakeClock clock(At(2026, 12, 8, 10, 8, 30));
  ClockState state(clock);
  QuietTicks quiet;
  struct Case { int quietMs; uint64_t at; bool quiet; };
  const Case cases[] = {
      {900, 5000, true},
      {900, 5000 + 900 - QuietTicks::kMarginMs - 1, true},
      {900, 5000 + 900 - QuietTicks::kMarginMs, false},
      {900, 4999, false},  // a counter that went back says nothing
      {0, 5000, false},
      {QuietTicks::kMarginMs, 5000, false},
  };
  for (const Case& c : cases) {
    quiet.Saw(state, c.quietMs, 5000);
    EXPECT_EQ(quiet.Quiet(state, c.at), c.quiet) << c.quietMs << " ms, at " << c.at;
  }
  quiet.Saw(state, 900, 5000);
  quiet.Forget();
  EXPECT_FALSE(quiet.Quiet(state, 5001));
}
