#include "app/display_texts.h"

#include <gtest/gtest.h>

#include "support/date_at.h"
#include "support/fake_clock.h"

TEST(DisplayTexts, ClockTextsFollowAmPm) {
  FakeClock clock(At(2026, 12, 8, 21, 5, 3));
  ClockState state(clock);
  FrameTexts t = ComputeDisplayTexts(state, clock.Now(), 0);
  EXPECT_EQ(t.title, "Clock");
  EXPECT_EQ(t.time, "09:05:03");
  EXPECT_EQ(t.amPm, "pm");
  EXPECT_EQ(t.date, "Dec 08");
  EXPECT_EQ(t.weekday, "Tuesday");
  state.options.amPm = false;
  t = ComputeDisplayTexts(state, clock.Now(), 0);
  EXPECT_EQ(t.time, "21:05:03");
  EXPECT_EQ(t.amPm, "");
  t = ComputeDisplayTexts(state, At(2026, 12, 8, 9, 5, 3), 0);
  EXPECT_EQ(t.time, "09:05:03");
  state.options.amPm = true;
  EXPECT_EQ(ComputeDisplayTexts(state, At(2026, 12, 8, 0, 7, 0), 0).time, "12:07:00");
  EXPECT_EQ(ComputeDisplayTexts(state, At(2026, 12, 8, 12, 7, 0), 0).amPm, "pm");
}

TEST(DisplayTexts, StopwatchAndAtomicShowMilliseconds) {
  FakeClock clock;
  ClockState state(clock);
  state.FClockType = ctStopwatch;
  state.StopWatch1.SetRunningTotal(3723.045 / 86400.0);
  FrameTexts t = ComputeDisplayTexts(state, clock.Now(), 0);
  EXPECT_EQ(t.time, "01:02:03");
  EXPECT_EQ(t.date, "45");
  state.FClockType = ctAtomic;
  state.FTimeDifference = -1.5 / 86400.0;
  t = ComputeDisplayTexts(state, clock.Now(), 0);
  EXPECT_EQ(t.title, "atomic");
  EXPECT_EQ(t.time, "00:00:01");
  EXPECT_EQ(t.date, "500");
}

TEST(DisplayTexts, TimeTextIsFittedToEightCharacters) {
  EXPECT_EQ(FitTimeText("9:05:03"), "09:05:03");
  EXPECT_EQ(FitTimeText("09:05:03 pm"), "09:05:03");
  EXPECT_EQ(FitTimeText("12:00:00"), "12:00:00");
}

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
