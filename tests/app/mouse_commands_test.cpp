#include "app/mouse_commands.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/fake_clock.h"

namespace {

// Records the modal commands a release runs; the network ones switch to the difference, as a
// successful sync does.
class RecordingCommands : public FaceCommands {
 public:
  explicit RecordingCommands(ClockState& s) : state(s) {}
  void OpenCountdownDialog() override { calls.push_back("countdown dialog"); }
  void OpenTimerDialog() override { calls.push_back("timer dialog"); }
  void SyncTime() override {
    calls.push_back("sync");
    state.FClockType = ctAtomic;
  }
  void SeeTimeDifference() override { calls.push_back("difference"); state.FClockType = ctAtomic; }

  ClockState& state;
  std::vector<std::string> calls;
};

struct MouseFixture : ::testing::Test {
  FakeClock clock;
  ClockState state{clock};
  TLabel title{45, 77, 89, 11, "clock", {}, LabelAlignment::Center, false};
  TSknButton left{10, 67, 24, 16};
  TSknButton right{110, 67, 24, 16};
  FaceHitAreas areas{title, {96, 96}, left, right};
  RecordingCommands commands{state};

  MouseOutcome Release(int x, int y) { return FormMouseUp(state, areas, commands, x, y, 46364.5); }
};

}  // namespace

TEST_F(MouseFixture, HotAreasIncludeTheirEdges) {
  EXPECT_TRUE(InTitle(areas, 45 + 89, 77 + 11));
  EXPECT_FALSE(InTitle(areas, 45 + 90, 80));
  EXPECT_TRUE(InHandsCentre(areas, 101, 91));
  EXPECT_FALSE(InHandsCentre(areas, 102, 96));
  // At twice the pixels per inch the centre takes clicks twice as far out.
  areas.handsReach = 10;
  EXPECT_TRUE(InHandsCentre(areas, 106, 86));
  EXPECT_FALSE(InHandsCentre(areas, 107, 96));
}

TEST_F(MouseFixture, TitleCyclesTheModesAndAtomicReturnsToClock) {
  const ClockType expected[] = {ctCountdown, ctUpTime, ctStopwatch, ctTimer, ctClock};
  for (ClockType t : expected) {
    Release(50, 80);
    EXPECT_EQ(state.FClockType, t);
    EXPECT_EQ(state.FDrawKey, -1);
  }
  state.FClockType = ctAtomic;
  Release(50, 80);
  EXPECT_EQ(state.FClockType, ctClock);
}

TEST_F(MouseFixture, HandsCentreTogglesTheHands) {
  Release(96, 96);
  EXPECT_FALSE(state.FDisplayArrows);
  Release(96, 96);
  EXPECT_TRUE(state.FDisplayArrows);
}

TEST_F(MouseFixture, ButtonCommandsByMode) {
  struct Case { ClockType mode; bool leftButton; std::vector<std::string> calls; ClockType after; };
  const Case cases[] = {
      {ctClock, true, {"sync"}, ctAtomic},  // the switch to Atomic does not run the right button's step
      {ctClock, false, {"difference"}, ctAtomic},
      {ctAtomic, true, {"sync"}, ctAtomic},
      {ctCountdown, true, {"countdown dialog"}, ctCountdown},
      {ctTimer, false, {"timer dialog"}, ctTimer},
      {ctUpTime, true, {}, ctUpTime},
      {ctUpTime, false, {}, ctUpTime},
  };
  for (const Case& c : cases) {
    state.FClockType = c.mode;
    commands.calls.clear();
    Release(c.leftButton ? 12 : 112, 70);
    EXPECT_EQ(commands.calls, c.calls) << int(c.mode) << c.leftButton;
    EXPECT_EQ(state.FClockType, c.after);
  }
}

TEST_F(MouseFixture, StopwatchPauseResumeAndReset) {
  state.FClockType = ctStopwatch;
  Release(12, 70);
  EXPECT_TRUE(state.StopWatch1.Running());
  clock.AdvanceSeconds(5);
  Release(12, 70);
  EXPECT_FALSE(state.StopWatch1.Running());
  Release(112, 70);
  EXPECT_EQ(state.StopWatch1.GetElapsedTime(), 0.0);
}

TEST_F(MouseFixture, ExpiredTimerIsNotRestarted) {
  state.FClockType = ctTimer;
  state.swTimer.SetRunningTotal(state.FTimerLength);
  Release(12, 70);
  EXPECT_FALSE(state.swTimer.Running());
  state.swTimer.Reset();
  Release(12, 70);
  EXPECT_TRUE(state.swTimer.Running());
}

TEST_F(MouseFixture, CountdownResetStandsAtZero) {
  state.FClockType = ctCountdown;
  state.FCountdownArmed = true;
  state.FCountdownTo = 47000;
  Release(112, 70);
  EXPECT_FALSE(state.FCountdownArmed);
  EXPECT_EQ(state.FCountdownTo, 46364.5);
}

TEST_F(MouseFixture, AnyPressStopsTheBeepAndOnlyTheLeftPressesAButton) {
  const MouseOutcome right = FormMouseDown(state, areas, MouseButton::Right, 12, 70, true);
  EXPECT_TRUE(right.stopBeep);
  EXPECT_FALSE(right.faceChanged);
  EXPECT_EQ(left.state, TSknButton::kNormal);
  const MouseOutcome leftPress = FormMouseDown(state, areas, MouseButton::Left, 12, 70, false);
  EXPECT_FALSE(leftPress.stopBeep) << "no beep to stop";
  EXPECT_TRUE(leftPress.faceChanged);
  EXPECT_EQ(left.state, TSknButton::kPressed);
}

TEST_F(MouseFixture, OnlyAPressAndMoveOverFreeFaceDragsAndRedraws) {
  struct Case {
    const char* what;
    int x, y;
    bool leftHeld;
    bool drag;
    std::optional<bool> handCursor;
    bool redraw;
  };
  const Case cases[] = {
      {"hover over free face", 150, 150, false, false, std::nullopt, false},
      {"press and move there", 150, 150, true, true, std::nullopt, true},
      {"onto the title, pressed", 50, 80, true, false, true, true},
      {"back to free face, not pressed", 150, 150, false, false, false, true},
  };
  for (const Case& c : cases) {
    const MouseOutcome out = FormMouseMove(state, areas, c.x, c.y, c.leftHeld);
    EXPECT_EQ(out.startDrag, c.drag) << c.what;
    EXPECT_EQ(out.handCursor, c.handCursor) << c.what;
    EXPECT_EQ(out.faceChanged, c.redraw) << c.what;
    EXPECT_FALSE(out.stopBeep) << c.what;
  }
}

TEST_F(MouseFixture, TheHandCursorStaysOverEveryHotAreaTheMouseReached) {
  struct Case {
    const char* what;
    int x, y;
    bool hand;
  };
  const Case cases[] = {
      {"free face", 150, 150, false},
      {"title", 50, 80, true},
      {"hands' centre", 96, 96, true},
      {"left button", 15, 70, true},
      {"free face again", 150, 150, false},
      {"right button", 120, 75, true},
  };
  for (const Case& c : cases) {
    FormMouseMove(state, areas, c.x, c.y, false);
    EXPECT_EQ(ShowsHandCursor(state, areas), c.hand) << c.what;
  }
  left.state = TSknButton::kPressed;
  right.Release();
  state.FTitleHot = state.FHandsHot = false;
  EXPECT_FALSE(ShowsHandCursor(state, areas)) << "a pressed button is not a hover";
}
