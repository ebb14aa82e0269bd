#include "app/frame_per_message.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "app/clock_tick.h"
#include "app/mouse_commands.h"
#include "support/date_at.h"
#include "support/fake_clock.h"

namespace {

// The clock window as the core handlers see it: every change they return, and every change its
// own commands make, goes to the one FramePerMessage, which counts the frames it composes.
class CountingWindow : public FaceCommands {
 public:
  void FaceChanged() { frames.FaceChanged(); }
  // The window's own commands say that the face changed, as the core's do.
  void OpenCountdownDialog() override { FaceChanged(); }
  void OpenTimerDialog() override {
    FaceChanged();
    if (duringDialog) duringDialog();
  }
  void SyncTime() override { FaceChanged(); }
  void SeeTimeDifference() override { FaceChanged(); }

  void Show(const MouseOutcome& out) {
    if (out.faceChanged) FaceChanged();
  }
  void Show(const TickOutcome& out) {
    for (int i = 0; i < out.beeps; ++i) FaceChanged();  // the beep's first step shows the blinking time
    if (out.faceChanged) FaceChanged();
  }

  int composed = 0;
  FramePerMessage frames{[this] { ++composed; }};
  std::function<void()> duringDialog;
};

// A clock window with its face's hot areas, at 10:08:30.
struct Clock {
  FakeClock clock{At(2026, 12, 8, 10, 8, 30)};
  ClockState state{clock};
  TLabel title{45, 77, 89, 11, "clock", {}, LabelAlignment::Center, false};
  TSknButton left{10, 67, 24, 16};
  TSknButton right{110, 67, 24, 16};
  FaceHitAreas areas{title, {96, 96}, left, right};
  CountingWindow window;

  // The frames one message composes.
  int FramesOf(const std::function<void()>& handler) {
    const int before = window.composed;
    window.frames.Handle(handler);
    return window.composed - before;
  }
  void Tick() { window.Show(ClockTick(state, {clock.Now(), 0})); }
  void Release(int x, int y) { window.Show(FormMouseUp(state, areas, window, x, y, clock.Now())); }
  void Move(int x, int y, bool leftHeld) { window.Show(FormMouseMove(state, areas, x, y, leftHeld)); }
};

struct FramePerMessageFixture : ::testing::Test, Clock {};

}  // namespace

// Each of these handlers says several times that the face changed; the message shows it once.
TEST(FramePerMessage, OneFramePerMessage) {
  struct Case {
    const char* message;
    std::function<void(Clock&)> setUp;
    std::function<void(Clock&)> handle;
    int frames;
  };
  const Case cases[] = {
      {"press on a button", [](Clock&) {},
       [](Clock& f) { f.window.Show(FormMouseDown(f.state, f.areas, MouseButton::Left, 15, 70, false)); }, 1},
      {"release on the timer's dialog button", [](Clock& f) { f.state.FClockType = ctTimer; },
       [](Clock& f) { f.Release(115, 70); }, 1},
      {"release on the countdown's dialog button", [](Clock& f) { f.state.FClockType = ctCountdown; },
       [](Clock& f) { f.Release(15, 70); }, 1},
      {"release on the title", [](Clock&) {},
       [](Clock& f) { f.Release(50, 80); }, 1},
      {"drag from the hands' centre", [](Clock& f) { f.state.FHandsHot = true; },
       [](Clock& f) { f.Move(60, 20, true); }, 1},
      {"move from the title onto a button", [](Clock& f) { f.state.FTitleHot = true; },
       [](Clock& f) { f.Move(115, 70, false); }, 1},
      {"move over the free face", [](Clock&) {},
       [](Clock& f) { f.Move(60, 20, false); }, 0},
      {"tick of a new second", [](Clock&) {}, [](Clock& f) { f.Tick(); }, 1},
      {"tick that ends the countdown while the stopwatch shows",
       [](Clock& f) {
         f.state.FClockType = ctStopwatch;
         f.state.FCountdownArmed = true;
         f.state.FCountdownTo = f.clock.Now();
       },
       [](Clock& f) { f.Tick(); }, 1},
      {"tick that ends the timer", [](Clock& f) {
         f.state.FClockType = ctTimer;
         f.state.FTimerArmed = true;
         f.state.FTimerLength = 0;
       },
       [](Clock& f) { f.Tick(); }, 1},
  };
  for (const Case& c : cases) {
    Clock f;
    c.setUp(f);
    EXPECT_EQ(f.FramesOf([&] { c.handle(f); }), c.frames) << c.message;
  }
}

TEST_F(FramePerMessageFixture, AMessageInsideAnotherComposesItsOwnFrame) {
  // A tick while the timer dialog that a release opened is up.
  state.FClockType = ctTimer;
  int insideDialog = -1;
  window.duringDialog = [&] { insideDialog = FramesOf([&] { Tick(); }); };
  EXPECT_EQ(FramesOf([&] { Release(115, 70); }), 2);
  EXPECT_EQ(insideDialog, 1);
}

TEST_F(FramePerMessageFixture, AChangeOutsideTheWindowsMessagesIsComposedAtOnce) {
  window.FaceChanged();  // the beep's own timer, the tray's double click
  EXPECT_EQ(window.composed, 1);
  window.frames.ComposeChanged();
  EXPECT_EQ(window.composed, 1);
}

TEST_F(FramePerMessageFixture, AFailingHandlerStillShowsWhatItChanged) {
  EXPECT_THROW(FramesOf([&] {
                 window.FaceChanged();
                 throw std::runtime_error("Socket Error # 10051");
               }),
               std::runtime_error);
  EXPECT_EQ(window.composed, 1);
}
