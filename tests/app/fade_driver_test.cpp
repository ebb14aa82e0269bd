#include "app/fade_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records the window calls of the fade; the window moves and shows as it is told.
class RecordingFadeHost : public FadeHost {
 public:
  bool WindowVisible() override { return visible; }
  FormRect WindowRect() override { return window; }
  ScreenPoint CursorPos() override { return cursor; }
  void BringToFront() override { calls.push_back("front"); }
  void ShowNormally() override {
    visible = true;
    calls.push_back("show");
  }
  void HideWindow() override {
    visible = false;
    calls.push_back("hide");
  }
  void MoveWindowTo(int32_t left, int32_t top) override {
    window = {left, top, left + window.right - window.left, top + window.bottom - window.top};
    moves.push_back({left, top});
  }
  void StartFadeTimer() override { calls.push_back("start timer"); }
  void StopFadeTimer() override { calls.push_back("stop timer"); }
  bool PresentZoom(int32_t left, int32_t top, uint8_t constantAlpha) override {
    presented.push_back({left, top});
    lastAlpha = constantAlpha;
    return presentSucceeds;
  }
  void ReportUpdateFailure() override { calls.push_back("report failure"); }
  void ComposeFrame() override { calls.push_back("compose"); }
  void PresentFrame() override { calls.push_back("present frame"); }
  void FaceChanged() override { calls.push_back("update"); }
  void AskToClose() override { calls.push_back("ask to close"); }

  bool visible = true;
  FormRect window{300, 200, 450, 350};  // centre 375, 275
  ScreenPoint cursor{1250, 790};
  bool presentSucceeds = true;
  std::vector<ScreenPoint> moves, presented;
  uint8_t lastAlpha = 0;
  std::vector<std::string> calls;
};

struct FadeDriverFixture : ::testing::Test {
  FadeDriverFixture() {
    frame.SetSize(150, 150);
    frame.Clear(0xFF000000);
  }

  // Steps until the timer stops; the number of steps.
  int RunToEnd() {
    int steps = 0;
    while (steps < 1000 && fade.running) {
      fadeTimerTimer(fade, frame, zoom, host);
      ++steps;
    }
    return steps;
  }

  TBitmap32 frame, zoom;
  FadeState fade;
  RecordingFadeHost host;
};

}  // namespace

TEST_F(FadeDriverFixture, EachStepMovesTheWindowWhereItPresentsTheZoomedImage) {
  StartUpFade(fade, host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"start timer"}));
  EXPECT_EQ(fade.homeCenter, (ScreenPoint{375, 275}));
  const int steps = RunToEnd();
  EXPECT_EQ(host.presented.size(), static_cast<size_t>(steps));
  EXPECT_EQ(host.presented, host.moves);
  EXPECT_GT(host.presented.front().x, 300) << "the first, smaller image is centred where the full one will be";
  EXPECT_GT(host.presented.front().y, 200);
  EXPECT_EQ(host.window.left, 300) << "grown in place, back where it started";
  EXPECT_EQ(host.window.top, 200);
  EXPECT_EQ(host.lastAlpha, 255);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"start timer", "stop timer", "update"}))
      << "appearing ends with a full frame update";
}

// Between fades nothing shows the zoomed image: it holds no memory then, and the next fade
// zooms as the first one did.
TEST_F(FadeDriverFixture, TheZoomedImageIsGivenBackWhenAFadeEnds) {
  std::vector<uint32_t> firstStep;
  for (int fadeNumber = 0; fadeNumber < 2; ++fadeNumber) {
    SCOPED_TRACE(fadeNumber);
    fade = FadeState{};
    StartUpFade(fade, host);
    fadeTimerTimer(fade, frame, zoom, host);
    if (fadeNumber == 0) firstStep = zoom.pixels;
    EXPECT_EQ(zoom.pixels, firstStep);
    RunToEnd();
    EXPECT_EQ(zoom.pixels.capacity(), 0u);
  }
}

TEST_F(FadeDriverFixture, HidingAndShowingRunFromTheCursorAndBack) {
  StartUpFade(fade, host);
  RunToEnd();
  host.calls.clear();

  HideOrShow(fade, host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"front", "start timer"})) << "a shown clock is not shown again";
  RunToEnd();
  EXPECT_EQ(host.calls.back(), "hide");
  EXPECT_FALSE(host.visible);
  EXPECT_EQ(host.window.left, host.cursor.x - 8) << "shrunk to the least size on the cursor";

  host.calls.clear();
  HideOrShow(fade, host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"front", "show", "start timer"}));
  EXPECT_EQ(fade.homeCenter, (ScreenPoint{375, 275})) << "the home is where the clock was shown";
  RunToEnd();
  EXPECT_EQ(host.window.left, 300) << "grown back home";
  EXPECT_EQ(host.calls.back(), "update");
}

TEST_F(FadeDriverFixture, TheClosingFadeEndsByHidingThenAskingToCloseAgain) {
  fade.running = true;
  fade.direction = FadeDirection::Disappearing;
  fade.constantAlpha = 255;
  fade.zoom = 255;
  fade.closeAfterFade = true;
  RunToEnd();
  EXPECT_EQ(host.calls, (std::vector<std::string>{"stop timer", "hide", "ask to close"}));
}

TEST_F(FadeDriverFixture, AFailedWindowUpdateIsReportedOncePerFade) {
  host.presentSucceeds = false;
  StartUpFade(fade, host);
  RunToEnd();
  HideOrShow(fade, host);
  RunToEnd();
  int reports = 0;
  for (const std::string& c : host.calls) reports += c == "report failure";
  EXPECT_EQ(reports, 2) << "one for the start-up, one for the hide";
  EXPECT_EQ(host.calls.back(), "hide") << "the fade goes on";
}

TEST_F(FadeDriverFixture, AStepWaitsForTheFirstComposedFrame) {
  const TBitmap32 none;
  StartUpFade(fade, host);
  fadeTimerTimer(fade, none, zoom, host);
  EXPECT_TRUE(host.presented.empty());
  EXPECT_EQ(fade.constantAlpha, 0) << "the fade has not moved on";
  EXPECT_TRUE(fade.running);
}

TEST_F(FadeDriverFixture, AnAlarmRevealsTheHiddenClockInFront) {
  host.visible = false;
  fade.constantAlpha = 0;
  fade.zoom = 0;
  RevealForAlarm(fade, host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"show", "front", "start timer"}));
  EXPECT_EQ(fade.direction, FadeDirection::Appearing);
  EXPECT_TRUE(fade.running);
}

TEST_F(FadeDriverFixture, TheFrameUpdatePresentsOnlyAShownClockThatIsNotFading) {
  struct Case {
    const char* what;
    bool visible, fading;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"shown", true, false, {"compose", "present frame"}},
      {"fading: the next step presents", true, true, {"compose"}},
      {"hidden", false, false, {}},
  };
  for (const Case& c : cases) {
    host.calls.clear();
    host.visible = c.visible;
    fade.running = c.fading;
    UpdateDisplay(fade, host);
    EXPECT_EQ(host.calls, c.calls) << c.what;
  }
}
