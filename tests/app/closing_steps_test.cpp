#include "app/closing_steps.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/fade_driver.h"
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

namespace {

// Runs a close as the window does: the step before the save, the window's move and save, the
// step after it; records what the window was told and moves it where it is told.
struct ClosingFixture : ::testing::Test {
  FakeClock clock;
  ClockState state{clock};
  FadeState fade;
  bool visible = true;
  FormRect window{100, 50, 292, 242};
  std::function<void()> onSave;
  std::vector<std::string> calls;

  using Before = std::optional<ScreenPoint> (*)(ClockState&, FadeState&, bool, const FormRect&);
  void Close(ClockState& closing, Before before, AfterClosingSave (*after)(FadeState&)) {
    if (const auto move = before(closing, fade, visible, window)) {
      window = {move->x, move->y, move->x + window.right - window.left, move->y + window.bottom - window.top};
      calls.push_back("move " + std::to_string(move->x) + "," + std::to_string(move->y));
    }
    calls.push_back("save");
    if (onSave) onSave();
    switch (after(fade)) {
      case AfterClosingSave::AskToClose: calls.push_back("ask to close"); break;
      case AfterClosingSave::FreeWindow: calls.push_back("free"); break;
      case AfterClosingSave::StartFadeTimer: calls.push_back("fade timer"); break;
    }
  }
  void Exit(ClockState& closing) { Close(closing, BeforeExitSave, AfterExitSave); }
  void CloseRequest(ClockState& closing) { Close(closing, BeforeCloseSave, AfterCloseSave); }
  void Exit() { Exit(state); }
  void CloseRequest() { CloseRequest(state); }
  void Reset(bool shown) {
    visible = shown;
    window = {100, 50, 292, 242};
    onSave = nullptr;
    calls.clear();
  }
};

}  // namespace

TEST_F(ClosingFixture, ExitSavesTheVisibleClockAndClosesTowardItsCentre) {
  struct Case {
    const char* what;
    bool visible;
    int32_t zoom;
    std::vector<std::string> calls;
    ScreenPoint centre;
  };
  const Case cases[] = {
      {"shown: saved where it is", true, 255, {"save", "ask to close"}, {196, 146}},
      {"while it shrinks into the tray: home", true, 120, {"save", "ask to close"}, {400, 300}},
      {"hidden in the tray: home first", false, 0, {"move 304,204", "save", "ask to close"}, {400, 300}},
  };
  for (const Case& c : cases) {
    fade = FadeState{};
    fade.zoom = c.zoom;
    fade.homeCenter = {400, 300};
    fade.zoomOrigin = {1250, 790};
    Reset(c.visible);
    onSave = [&] { EXPECT_FALSE(fade.closeAfterFade) << c.what << ": saved before the close is set up"; };
    Exit();
    EXPECT_EQ(calls, c.calls) << c.what;
    EXPECT_TRUE(fade.closeAfterFade) << c.what;
    EXPECT_EQ(fade.homeCenter, c.centre) << c.what;
    EXPECT_EQ(fade.zoomOrigin, c.centre) << c.what << ": the close shrinks in place";
  }
}

TEST_F(ClosingFixture, ExitAndTheSessionEndSaveTheStopwatchesFolded) {
  state.StopWatch1.Start();
  clock.AdvanceSeconds(20);
  onSave = [&] {
    EXPECT_NEAR(state.StopWatch1.RunningTotal() * 86400, 20, 1e-6) << "the save holds the time run";
  };
  Exit();
  clock.AdvanceSeconds(10);
  FoldRunningStopwatches(state);  // what the session's end saves
  EXPECT_NEAR(state.StopWatch1.RunningTotal() * 86400, 30, 1e-6);
  EXPECT_TRUE(state.StopWatch1.Running());
}

TEST_F(ClosingFixture, EveryCloseSavesWhatExitSavesAndShrinksWhereTheClockStands) {
  struct Case {
    const char* what;
    bool exitFirst, visible;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"Exit, shown", true, true, {"save", "ask to close", "save", "fade timer"}},
      {"Exit, hidden in the tray", true, false, {"move 304,204", "save", "ask to close", "save", "free"}},
      {"Alt+F4 or a close asked by another program", false, true, {"save", "fade timer"}},
      {"a close asked while hidden in the tray", false, false, {"move 304,204", "save", "free"}},
  };
  for (const Case& c : cases) {
    // Moved since the home centre was taken at start-up; the stopwatch ran 6 s.
    FakeClock clock;
    ClockState state(clock);
    state.StopWatch1.Start();
    clock.AdvanceSeconds(6);
    fade = FadeState{};
    fade.zoom = c.visible ? 255 : 0;
    fade.direction = c.visible ? FadeDirection::Appearing : FadeDirection::Disappearing;
    fade.homeCenter = fade.zoomOrigin = c.visible ? ScreenPoint{400, 300} : ScreenPoint{900, 700};
    Reset(c.visible);
    if (!c.visible) fade.homeCenter = {400, 300};
    onSave = [&] {
      EXPECT_NEAR(state.StopWatch1.RunningTotal() * 86400, 6, 1e-6) << c.what << ": the save holds the time run";
      const FormRect saved = ShownRect(window, fade, visible);
      EXPECT_EQ(WindowCentre(saved), (c.visible ? ScreenPoint{196, 146} : ScreenPoint{400, 300}))
          << c.what << ": the visible place is saved";
    };
    if (c.exitFirst) Exit(state);
    CloseRequest(state);
    EXPECT_EQ(calls, c.calls) << c.what;
    EXPECT_EQ(fade.zoomOrigin, WindowCentre(window)) << c.what << ": shrinks where the clock stands";
    EXPECT_EQ(fade.homeCenter, WindowCentre(window)) << c.what;
    EXPECT_TRUE(state.StopWatch1.Running()) << c.what;
  }
}

TEST_F(ClosingFixture, TheFirstCloseFadesOutAndTheFadesEndFreesTheWindow) {
  fade.direction = FadeDirection::Appearing;
  CloseRequest();
  EXPECT_EQ(calls, (std::vector<std::string>{"save", "fade timer"})) << "refused for now";
  EXPECT_EQ(fade.direction, FadeDirection::Disappearing);
  EXPECT_TRUE(fade.closeAfterFade);
  EXPECT_TRUE(fade.running);

  calls.clear();
  CloseRequest();
  EXPECT_EQ(calls, (std::vector<std::string>{"save", "free"}));
}

TEST(ClosingSteps, TheSavedPlacementIsTheShownOneAndSaysMinimised) {
  FadeState fade;
  fade.zoom = 120;
  fade.homeCenter = {400, 300};
  FormPlacement window;
  window.normal = {350, 250, 542, 442};
  window.screenWidth = 1280;

  const FormPlacement fading = PlacementToSave(window, false, fade, true);
  EXPECT_EQ(fading.showCmd, kShowNormal);
  EXPECT_EQ(fading.normal.left, 304);
  EXPECT_EQ(fading.normal.bottom, 396);
  EXPECT_EQ(fading.screenWidth, 1280) << "the rest is kept";

  fade.zoom = 255;
  const FormPlacement minimised = PlacementToSave(window, true, fade, true);
  EXPECT_EQ(minimised.showCmd, kShowMinimized);
  EXPECT_EQ(minimised.normal.left, 350) << "fully shown: where it is";
}
