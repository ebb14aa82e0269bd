#include "app/closing_steps.h"

#include <gtest/gtest.h>

#include "support/fake_clock.h"

TEST(ClosingSteps, RunningStopwatchesFoldTheirTimeAndGoOnRunning) {
  FakeClock clock;
  ClockState state(clock);
  state.StopWatch1.Start();
  clock.AdvanceSeconds(30);
  state.swTimer.SetRunningTotal(5.0 / 86400);  // paused: stays as it is
  const TDateTime pausedStart = state.swTimer.StartTime();
  clock.AdvanceSeconds(15);
  FoldRunningStopwatches(state);

  EXPECT_TRUE(state.StopWatch1.Running());
  EXPECT_NEAR(state.StopWatch1.RunningTotal() * 86400, 45, 1e-6) << "the saved total holds the time run";
  EXPECT_DOUBLE_EQ(state.StopWatch1.StartTime(), clock.Now());
  EXPECT_NEAR(state.StopWatch1.GetElapsedTime() * 86400, 45, 1e-6) << "the display does not jump";
  EXPECT_FALSE(state.swTimer.Running());
  EXPECT_NEAR(state.swTimer.RunningTotal() * 86400, 5, 1e-6);
  EXPECT_DOUBLE_EQ(state.swTimer.StartTime(), pausedStart);
}

TEST(ClosingSteps, TheShownRectIsTheWindowAtHomeWhenHiddenOrFading) {
  FadeState fade;
  fade.homeCenter = {400, 300};
  struct Case {
    const char* what;
    bool visible;
    int32_t zoom;
    FormRect window, shown;
  };
  const Case cases[] = {
      {"fully shown: where it is", true, 255, {10, 20, 202, 212}, {10, 20, 202, 212}},
      {"closing fade: back from the centre it shrinks to", true, 180, {350, 250, 542, 442}, {304, 204, 496, 396}},
      {"hidden in the tray: home, not where it shrank to", false, 0, {1200, 780, 1392, 972}, {304, 204, 496, 396}},
      {"hidden whatever the zoom says", false, 255, {0, 0, 192, 192}, {304, 204, 496, 396}},
      {"odd sizes round as the centre does", false, 0, {0, 0, 151, 99}, {325, 251, 476, 350}},
  };
  for (const Case& c : cases) {
    fade.zoom = c.zoom;
    const FormRect r = ShownRect(c.window, fade, c.visible);
    EXPECT_EQ((std::vector<int32_t>{r.left, r.top, r.right, r.bottom}),
              (std::vector<int32_t>{c.shown.left, c.shown.top, c.shown.right, c.shown.bottom}))
        << c.what;
    const ScreenPoint centre = WindowCentre(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (!c.visible || c.zoom != 255) {
      EXPECT_EQ(centre, fade.homeCenter) << c.what;
    }
  }
}
