#include "app/frame_inputs.h"

#include <gtest/gtest.h>

#include "support/fake_clock.h"

TEST(FrameInputs, TheLeftButtonPausesOnlyTheWatchOfTheModeShown) {
  struct Case {
    ClockType mode;
    bool stopWatch, timer;
    bool pause;
  } cases[] = {
      {ctStopwatch, true, false, true}, {ctStopwatch, false, true, false}, {ctTimer, false, true, true},
      {ctTimer, true, false, false},    {ctClock, true, true, false},      {ctCountdown, false, false, false},
  };
  for (const Case& c : cases) {
    FakeClock clock;
    ClockState state(clock);
    state.FClockType = c.mode;
    if (c.stopWatch) state.StopWatch1.Start();
    if (c.timer) state.swTimer.Start();
    EXPECT_EQ(FrameInputsFor(state, clock.Now(), false).watchRunning, c.pause) << int(c.mode);
  }
}

TEST(FrameInputs, OnlyTheClockShowsTheWeekdayInPlaceOfTheHands) {
  FakeClock clock;
  ClockState state(clock);
  for (int t = 0; t < kClockTypeCount; ++t) {
    state.FClockType = static_cast<ClockType>(t);
    EXPECT_EQ(FrameInputsFor(state, clock.Now(), false).weekdayWithoutHands, t == ctClock) << t;
  }
}

TEST(FrameInputs, TheBlinkFollowsTheWholeSecond) {
  FakeClock clock;
  ClockState state(clock);
  // The last millisecond of an even second is still even.
  const TDateTime even = EncodeDateTime({2026, 12, 8, 10, 8, 30, 999}).value();
  const TDateTime odd = EncodeDateTime({2026, 12, 8, 10, 8, 31, 0}).value();
  EXPECT_TRUE(FrameInputsFor(state, even, true).secondEven);
  EXPECT_FALSE(FrameInputsFor(state, odd, true).secondEven);
}
