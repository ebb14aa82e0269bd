#include "app/fade_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The window as the fade moves it: each step's present moves it there, and it carries out
// what the step returned, recording it.
struct FadeDriverFixture : ::testing::Test {
  FadeDriverFixture() {
    frame.SetSize(150, 150);
    frame.Clear(0xFF000000);
  }

  void Step(const TBitmap32& composed) {
    const FadeTimerOutcome out = FadeTimerStep(fade, composed, zoom, [this](int32_t left, int32_t top, uint8_t alpha) {
      window = {left, top, left + window.right - window.left, top + window.bottom - window.top};
      moves.push_back({left, top});
      lastAlpha = alpha;
      return presentSucceeds;
    });
    if (out.reportFailure) calls.push_back("report failure");
    if (out.stopTimer) calls.push_back("stop timer");
    if (out.redraw) calls.push_back("update");
    if (out.hideWindow) {
      visible = false;
      calls.push_back("hide");
    }
    if (out.closeAgain) calls.push_back("ask to close");
  }
  // Steps until the fade stops; the number of steps.
  int RunToEnd() {
    int steps = 0;
    while (steps < 1000 && fade.running) {
      Step(frame);
      ++steps;
    }
    return steps;
  }
  // The tray's click: true when the hidden clock is shown before its fade.
  bool HideOrShow() {
    const bool show = RequestHideShow(fade, cursor, visible, WindowCentre(window));
    visible = visible || show;
    return show;
  }

  TBitmap32 frame, zoom;
  FadeState fade;
  bool visible = true;
  FormRect window{300, 200, 450, 350};  // centre 375, 275
  ScreenPoint cursor{1250, 790};
  bool presentSucceeds = true;
  std::vector<ScreenPoint> moves;
  uint8_t lastAlpha = 0;
  std::vector<std::string> calls;
};

}  // namespace

TEST_F(FadeDriverFixture, EachStepMovesTheWindowWhereItPresentsTheZoomedImage) {
  StartUpFade(fade, WindowCentre(window));
  EXPECT_EQ(fade.homeCenter, (ScreenPoint{375, 275}));
  const int steps = RunToEnd();
  EXPECT_EQ(moves.size(), static_cast<size_t>(steps));
  EXPECT_GT(moves.front().x, 300) << "the first, smaller image is centred where the full one will be";
  EXPECT_GT(moves.front().y, 200);
  EXPECT_EQ(window.left, 300) << "grown in place, back where it started";
  EXPECT_EQ(window.top, 200);
  EXPECT_EQ(lastAlpha, 255);
  EXPECT_EQ(calls, (std::vector<std::string>{"stop timer", "update"})) << "appearing ends with a full frame update";
}

// Between fades nothing shows the zoomed image: it holds no memory then, and the next fade
// zooms as the first one did.
TEST_F(FadeDriverFixture, TheZoomedImageIsGivenBackWhenAFadeEnds) {
  std::vector<uint32_t> firstStep;
  for (int fadeNumber = 0; fadeNumber < 2; ++fadeNumber) {
    SCOPED_TRACE(fadeNumber);
    fade = FadeState{};
    StartUpFade(fade, WindowCentre(window));
    Step(frame);
    if (fadeNumber == 0) firstStep = zoom.pixels;
    EXPECT_EQ(zoom.pixels, firstStep);
    RunToEnd();
    EXPECT_EQ(zoom.pixels.capacity(), 0u);
  }
}

TEST_F(FadeDriverFixture, HidingAndShowingRunFromTheCursorAndBack) {
  StartUpFade(fade, WindowCentre(window));
  RunToEnd();
  calls.clear();

  EXPECT_FALSE(HideOrShow()) << "a shown clock is not shown again";
  RunToEnd();
  EXPECT_EQ(calls.back(), "hide");
  EXPECT_FALSE(visible);
  EXPECT_EQ(window.left, cursor.x - 8) << "shrunk to the least size on the cursor";

  calls.clear();
  EXPECT_TRUE(HideOrShow()) << "a hidden clock is shown before it grows";
  EXPECT_EQ(fade.homeCenter, (ScreenPoint{375, 275})) << "the home is where the clock was shown";
  RunToEnd();
  EXPECT_EQ(window.left, 300) << "grown back home";
  EXPECT_EQ(calls.back(), "update");
}

TEST_F(FadeDriverFixture, TheClosingFadeEndsByHidingThenAskingToCloseAgain) {
  fade.running = true;
  fade.direction = FadeDirection::Disappearing;
  fade.constantAlpha = 255;
  fade.zoom = 255;
  fade.closeAfterFade = true;
  RunToEnd();
  EXPECT_EQ(calls, (std::vector<std::string>{"stop timer", "hide", "ask to close"}));
}

TEST_F(FadeDriverFixture, AFailedWindowUpdateIsReportedOncePerFade) {
  presentSucceeds = false;
  StartUpFade(fade, WindowCentre(window));
  RunToEnd();
  HideOrShow();
  RunToEnd();
  int reports = 0;
  for (const std::string& c : calls) reports += c == "report failure";
  EXPECT_EQ(reports, 2) << "one for the start-up, one for the hide";
  EXPECT_EQ(calls.back(), "hide") << "the fade goes on";
}

TEST_F(FadeDriverFixture, AStepWaitsForTheFirstComposedFrame) {
  const TBitmap32 none;
  StartUpFade(fade, WindowCentre(window));
  Step(none);
  EXPECT_TRUE(moves.empty());
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(fade.constantAlpha, 0) << "the fade has not moved on";
  EXPECT_TRUE(fade.running);
}

TEST_F(FadeDriverFixture, AnAlarmRevealsTheHiddenClockFadingIn) {
  fade.constantAlpha = 0;
  fade.zoom = 0;
  ShowForAlarm(fade);
  EXPECT_EQ(fade.direction, FadeDirection::Appearing);
  EXPECT_TRUE(fade.running);
}

TEST_F(FadeDriverFixture, TheFrameUpdatePresentsOnlyAShownClockThatIsNotFading) {
  struct Case {
    const char* what;
    bool visible, fading;
    FrameUpdate update;
  };
  const Case cases[] = {
      {"shown", true, false, FrameUpdate::ComposeAndPresent},
      {"fading: the next step presents", true, true, FrameUpdate::ComposeOnly},
      {"hidden", false, false, FrameUpdate::None},
      {"hidden while a fade runs", false, true, FrameUpdate::None},
  };
  for (const Case& c : cases) {
    fade.running = c.fading;
    EXPECT_EQ(FrameUpdateFor(fade, c.visible), c.update) << c.what;
  }
}
