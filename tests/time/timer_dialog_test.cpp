#include "time/timer_dialog.h"

#include <gtest/gtest.h>

#include "support/fake_clock.h"
#include "time/dialog_test_host.h"

TEST(TimerDialog, DurationIsTheTimeOfDayShown) {
  struct Case {
    TDateTime pickerValue;
    double seconds;
  };
  const Case cases[] = {
      {90.0 / 86400, 90},
      {EncodeDateTime({2026, 12, 8, 0, 1, 30, 0}).value(), 90},  // the picker's own date is ignored
      {EncodeTime(23, 59, 59, 0).value(), 86399},
      {0, 0},
      {1.0, 0},
  };
  for (const Case& c : cases) EXPECT_NEAR(DurationShown(c.pickerValue) * 86400, c.seconds, 1e-6) << c.pickerValue;
}

TEST(TimerDialog, OkResetsTakesTheLengthAndStartsByAutoStart) {
  struct Case {
    const char* name;
    bool wasRunning;
    bool autoStart;
    bool runningAfter;
  };
  const Case cases[] = {
      {"auto start", false, true, true},
      {"stopped, no auto start: waits for Pause/Resume", false, false, false},
      {"running, no auto start: restarts from the new length", true, false, true},
      {"running, auto start", true, true, true},
  };
  for (const Case& c : cases) {
    FakeClock clock;
    ClockState state(clock);
    DialogTestHost host(state);
    state.swTimer.Start();
    clock.AdvanceSeconds(4);
    if (!c.wasRunning) state.swTimer.Stop();
    ApplyTimerDialog(state, host, {90.0 / 86400, c.autoStart});
    EXPECT_EQ(state.FClockType, ctTimer) << c.name;
    EXPECT_NEAR(state.FTimerLength * 86400, 90, 1e-9) << c.name;
    EXPECT_EQ(state.swTimer.Running(), c.runningAfter) << c.name;
    EXPECT_NEAR(state.swTimer.GetElapsedTime() * 86400, 0, 1e-6) << c.name;
    clock.AdvanceSeconds(10);
    EXPECT_NEAR(state.swTimer.GetElapsedTime() * 86400, c.runningAfter ? 10 : 0, 1e-6) << c.name;
  }
}
