#include "app/clock_tick.h"

#include <gtest/gtest.h>

#include "app/display_texts.h"
#include "support/date_at.h"
#include "support/fake_clock.h"

namespace {

// Ticks as the window does, adding up what the ticks asked of it; an alarm's reveal shows the window.
struct TickFixture : ::testing::Test {
  FakeClock clock{At(2026, 12, 8, 10, 8, 30)};
  ClockState state{clock};
  uint64_t uptimeMs = 0;
  bool visible = true;
  int shows = 0, beeps = 0, chimes = 0, redraws = 0;

  void Tick(double seconds = 0.1) {
    clock.AdvanceSeconds(seconds);
    const TickOutcome out = ClockTick(state, {clock.Now(), uptimeMs});
    if (out.beeps > 0 && !visible) {
      ++shows;
      visible = true;
    }
    beeps += out.beeps;
    chimes += out.chime;
    redraws += out.faceChanged;
  }
};

}  // namespace

TEST(HandAngles, TurnClockwiseFromTheFieldsOfTheValue) {
  struct Case { double v; float hour, minute, second; };
  const Case cases[] = {
      {At(2026, 12, 8, 0, 0, 0), 0, 0, 0},
      {At(2026, 12, 8, 12, 0, 0), -360, 0, 0},
      {At(2026, 12, 8, 3, 30, 15), -105, -181.5f, -90},
      {-(123.25 / 86400.0), -1, -12.3f, -18},  // a negative difference reads as its magnitude
  };
  for (const Case& c : cases) {
    const HandAngles a = HandAnglesFrom(c.v);
    EXPECT_NEAR(a.hour, c.hour, 1e-3);
    EXPECT_NEAR(a.minute, c.minute, 1e-3);
    EXPECT_NEAR(a.second, c.second, 1e-3);
  }
}

TEST_F(TickFixture, ClockRedrawsOncePerSecond) {
  Tick(0);
  EXPECT_EQ(redraws, 1);  // the key starts at -1
  for (int i = 0; i < 4; ++i) Tick(0.1);
  EXPECT_EQ(redraws, 1);
  Tick(0.6);
  EXPECT_EQ(redraws, 2);
  state.FDrawKey = -1;  // the end of a mouse release forces a redraw
  Tick(0.05);
  EXPECT_EQ(redraws, 3);
}

TEST_F(TickFixture, StopwatchAndTimerRedrawOnNinetyMillisecondSteps) {
  state.FClockType = ctStopwatch;
  state.StopWatch1.Start();
  Tick(0.1);
  const int first = redraws;
  Tick(0.1);
  Tick(0.1);
  EXPECT_EQ(redraws, first + 2);
  state.StopWatch1.Stop();
  Tick(0.1);
  Tick(0.1);
  EXPECT_EQ(redraws, first + 2);  // a paused stopwatch keeps its key
}

TEST_F(TickFixture, UptimeSpansManyDays) {
  state.FClockType = ctUpTime;
  uptimeMs = 60ull * 86400000ull + 5000;  // longer than the 32-bit count can hold
  Tick(0);
  const FrameTexts t = ComputeDisplayTexts(state, clock.Now(), uptimeMs);
  EXPECT_EQ(t.title, "uptime");
  EXPECT_EQ(t.date, "60 days");
  EXPECT_EQ(t.time, "00:00:05");
  uptimeMs = 86400000ull + 1;
  EXPECT_EQ(ComputeDisplayTexts(state, clock.Now(), uptimeMs).date, "1 day");
  uptimeMs = 86399999ull;
  EXPECT_EQ(ComputeDisplayTexts(state, clock.Now(), uptimeMs).date, "0 days");
}

TEST_F(TickFixture, CountdownFiresOnceInAnyModeAndShowsTheHiddenWindow) {
  state.FClockType = ctStopwatch;
  state.FCountdownTo = AddSeconds(clock.Now(), 0.25);
  visible = false;
  Tick(0.1);
  EXPECT_TRUE(state.FCountdownArmed);
  Tick(0.1);
  Tick(0.1);
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(state.FClockType, ctCountdown);
  for (int i = 0; i < 10; ++i) Tick(0.1);
  EXPECT_EQ(beeps, 1);
}

TEST_F(TickFixture, CountdownPassedBeforeStartDoesNotBeep) {
  state.FClockType = ctCountdown;
  state.FCountdownTo = AddSeconds(clock.Now(), -3600);
  Tick(0.1);
  EXPECT_EQ(beeps, 0);
  const FrameTexts t = ComputeDisplayTexts(state, clock.Now(), 0);
  EXPECT_EQ(t.date, "0 days");
  EXPECT_EQ(t.time, "00:00:00");
  EXPECT_EQ(state.hands.hour, 0);
  EXPECT_EQ(state.hands.second, 0);
}

TEST_F(TickFixture, APassedCountdownShowsItsHandsAtZeroWithoutTouchingTheState) {
  state.hands = HandAnglesFrom(At(2026, 12, 8, 3, 30, 15));
  state.FCountdownTo = AddSeconds(clock.Now(), -90);
  struct Case { ClockType mode; bool atZero; };
  for (const Case c : {Case{ctCountdown, true}, Case{ctClock, false}, Case{ctStopwatch, false}}) {
    state.FClockType = c.mode;
    EXPECT_EQ(ShownHands(state, clock.Now()).hour == 0, c.atZero) << c.mode;
    ComputeDisplayTexts(state, clock.Now(), 0);
    EXPECT_EQ(state.hands.hour, -105) << c.mode;
  }
  state.FCountdownTo = AddSeconds(clock.Now(), 90);
  state.FClockType = ctCountdown;
  EXPECT_EQ(ShownHands(state, clock.Now()).minute, state.hands.minute);
}

TEST_F(TickFixture, CountdownTextsAndKey) {
  state.FClockType = ctCountdown;
  state.FCountdownTo = AddSeconds(clock.Now(), 86400 + 3 * 3600 + 65.5);
  Tick(0);
  const FrameTexts t = ComputeDisplayTexts(state, clock.Now(), 0);
  EXPECT_EQ(t.title, "countdown");
  EXPECT_EQ(t.date, "1 days");
  EXPECT_EQ(t.time, "03:01:05");
  const int before = redraws;
  Tick(0.1);
  EXPECT_EQ(redraws, before);
  Tick(1.0);
  EXPECT_EQ(redraws, before + 1);
}

TEST_F(TickFixture, TimerRunsOutStopsAndShowsZero) {
  state.FClockType = ctClock;
  state.swTimer.Start();
  Tick(0.1);
  EXPECT_TRUE(state.FTimerArmed);
  for (int i = 0; i < 100; ++i) Tick(0.1);
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(state.FClockType, ctTimer);
  EXPECT_FALSE(state.swTimer.Running());
  EXPECT_EQ(ComputeDisplayTexts(state, clock.Now(), 0).date, "000");
  // Pressing the left button after the end must not restart it: the tick keeps it disarmed.
  Tick(0.1);
  EXPECT_FALSE(state.FTimerArmed);
}

TEST_F(TickFixture, ChimesOnceAtTheStartOfEachHourInEveryMode) {
  clock.Set(At(2026, 12, 8, 10, 59, 59, 500));
  state.FClockType = ctStopwatch;
  state.FLastMinute = 59;
  for (int i = 0; i < 30; ++i) Tick(0.1);
  EXPECT_EQ(chimes, 1);
  state.options.chimes = false;
  clock.Set(At(2026, 12, 8, 11, 59, 59, 900));
  for (int i = 0; i < 5; ++i) Tick(0.1);
  EXPECT_EQ(chimes, 1);
}

TEST_F(TickFixture, TwoAlarmsInOneTickRevealTheHiddenClockOnceAndBeepTwice) {
  state.FClockType = ctClock;
  state.FCountdownTo = AddSeconds(clock.Now(), 0.05);
  state.FTimerLength = 0.05 / 86400;
  state.swTimer.Start();
  Tick(0);  // both armed
  visible = false;
  Tick(0.1);
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(beeps, 2);
  EXPECT_EQ(state.FClockType, ctTimer) << "the timer's alarm comes second";
}
