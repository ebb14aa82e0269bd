// Every frame the clock composes by redrawing only what changed is the frame a composition
// from nothing gives for the same state, and the rectangle it reports as changed holds every
// pixel that differs from the frame the window shows. Driven by the tick as the clock runs,
// over every second of a day in each mode, with hover, pressed buttons, the beep's blinking,
// a skin switch and frames composed under a fade that are not shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "app/clock_tick.h"
#include "app/display_texts.h"
#include "time/date_format.h"
#include "skin/compose_frame.h"
#include "support/box_text_rasterizer.h"
#include "support/bundled_skin.h"
#include "support/fake_clock.h"
#include "support/full_composition.h"

namespace {

constexpr double kSecond = 1.0 / 86400;
constexpr int kDay = 86400;
constexpr TDateTime kMorning = 46365.25;  // 06:00: the day runs past midnight

// A small skin with something of everything, so that a day of frames is quick to check:
// soft edges and partial alpha everywhere, a glass smaller than the face, hands turning
// over the labels and buttons, one pivot between pixels.
SkinState Small(int side) {
  SkinState skin;
  SkinSurfaces& s = skin.surfaces;
  auto fill = [](TBitmap32& b, int w, int h, uint32_t (*pixel)(int x, int y, int w, int h)) {
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) b.At(x, y) = pixel(x, y, w, h);
  };
  // Premultiplied: no colour above its alpha.
  auto soft = [](int x, int y, int w, int h) {
    const uint32_t a = (x == 0 || y == 0 || x == w - 1 || y == h - 1) ? 96 : 255;
    return Argb(a, a * (x * 255 / w) / 255, a * (y * 255 / h) / 255, a / 2);
  };
  fill(s.face, side, side, soft);
  fill(s.glass, 16, 16, [](int x, int y, int, int) { return x < y ? Argb(40, 30, 30, 30) : 0u; });
  fill(s.buttonStrip, 48, 8, [](int x, int y, int, int) { return Argb(y < 2 ? 128 : 255, (x / 8) * 40, 0, y * 8); });
  fill(s.hours.bitmap, 4, 18, soft);
  fill(s.minutes.bitmap, 3, 26, soft);
  fill(s.seconds.bitmap, 2, 30, soft);
  s.hours.bitmapCenter = {2, 16};
  s.minutes.bitmapCenter = {1, 24};
  s.seconds.bitmapCenter = {0.5f, 28};
  for (TRotLayer* hand : {&s.hours, &s.minutes, &s.seconds}) hand->position = {side / 2.0f, side / 2.0f};
  s.overlay.bitmap.SetSize(side, side);  // the full composition's
  s.frame.SetSize(side, side);
  FaceLabels& l = skin.labels;
  l.lTitle = {12, 6, 40, 8, "clock", {"Small", 6, 0x70C8E8}};
  l.lWeekDay = {14, 15, 36, 8, "WEDNESDAY", {"Small", 6, 0xA8C4D8}};
  l.lTime = {12, 36, 40, 8, "88:88:88", {"Digital", 8, 0x5CC4FF}};
  l.lTimeBg = {12, 36, 40, 8, "88:88:88", {"Digital", 8, 0x503A2A}};
  l.lDate = {16, 46, 32, 6, "date", {"Small", 6, 0xB0C8D8}};
  l.lAmPm = {side - 14, 28, 10, 6, "AM", {"Small", 4, 0x70C8E8}};
  skin.left = TSknButton(6, side - 12, 10, 8);
  skin.right = TSknButton(side - 22, side - 12, 10, 8);
  skin.left.IconOffset = skin.right.IconOffset = 4;
  return skin;
}

// Whether a and b (of one size) agree everywhere outside r.
bool SameOutside(const TBitmap32& a, const TBitmap32& b, const PixelRect& r) {
  auto same = [&](int y, int from, int to) {
    return from >= to || std::equal(a.Row(y) + from, a.Row(y) + to, b.Row(y) + from);
  };
  for (int y = 0; y < a.height; ++y) {
    const bool crosses = !r.Empty() && y >= r.top && y < r.bottom;
    if (crosses ? !same(y, 0, r.left) || !same(y, r.right, a.width) : !same(y, 0, a.width)) return false;
  }
  return true;
}

// The window as far as its frames go: each redraw composes the frame as the clock does and
// from nothing on a copy of the skin, and "shows" it unless a fade runs.
class TwoWayDisplay {
 public:
  TwoWayDisplay(ClockState& state, FakeClock& clock) : state_(state), clock_(clock) { UseSkin(Small(64)); }

  void UseSkin(const SkinState& skin) {
    mine_ = skin;
    reference_ = skin;
    composer_.Forget();
  }
  // What the pointer does to a button, on both faces alike.
  void SetButtonStates(uint8_t left, uint8_t right) {
    mine_.left.state = reference_.left.state = left;
    mine_.right.state = reference_.right.state = right;
  }

  // Timer1, with the window always shown.
  void Tick() {
    if (ClockTick(state_, {clock_.Now(), uptimeMs}).faceChanged) FaceChanged();
  }
  void FaceChanged() {
    const TDateTime now = clock_.Now();
    const FrameTexts texts = ComputeDisplayTexts(state_, now, uptimeMs);
    FrameInputs in = FrameInputsFor(state_, now, beepRunning);
    in.constantAlpha = constantAlpha;
    const HandAngles hands = ShownHands(state_, now);
    for (SkinSurfaces* s : {&mine_.surfaces, &reference_.surfaces}) {
      s->hours.angle = hands.hour;
      s->minutes.angle = hands.minute;
      s->seconds.angle = hands.second;
    }
    const PixelRect changed = composer_.ComposeFrame(mine_.surfaces, mine_.labels, {mine_.left, mine_.right}, text_,
                                                     texts, in);
    ComposeFullFrame(reference_.surfaces, reference_.labels, {reference_.left, reference_.right}, text_, texts, in);
    ++frames;
    unshown_ = Bounds(unshown_, changed);
    if (!failure.empty()) return;
    const TBitmap32& frame = mine_.surfaces.frame;
    if (frame.pixels != reference_.surfaces.frame.pixels) return Fail("the frame differs from a full composition");
    if (fading) return;
    if (shown_.width == frame.width && shown_.height == frame.height) {
      if (!SameOutside(shown_, frame, unshown_)) return Fail("a changed pixel lies outside the changed part");
    } else if (unshown_ != WholeOf(frame)) {
      return Fail("a new skin's first frame is not shown whole");
    }
    shown_ = frame;
    unshown_ = PixelRect{};
  }

  uint64_t uptimeMs = 0;
  bool beepRunning = false;
  bool fading = false;
  uint8_t constantAlpha = 255;
  int frames = 0;
  std::string failure;

 private:
  void Fail(const char* what) {
    std::ostringstream o;
    o << what << " in mode " << int(state_.FClockType) << " at " << FormatDateTime("yyyy-mm-dd hh:nn:ss", clock_.Now(), state_.FFormatSettings)
      << " (frame " << frames << ")";
    failure = o.str();
  }

  ClockState& state_;
  FakeClock& clock_;
  BoxTextRasterizer text_;
  SkinState mine_, reference_;
  FrameComposer composer_;
  TBitmap32 shown_;
  PixelRect unshown_;
};

struct Sweep {
  FakeClock clock{kMorning};
  ClockState state{clock};
  TwoWayDisplay display{state, clock};

  // A tick every `step` seconds for a day's worth of ticks, with `each` changing what the
  // clock shows before tick i.
  void Run(double step, const std::function<void(int)>& each = [](int) {}) {
    for (int i = 0; i < kDay && display.failure.empty(); ++i) {
      each(i);
      clock.AdvanceSeconds(step);
      display.uptimeMs += static_cast<uint64_t>(step * 1000);
      display.Tick();
    }
  }
};

// Hover and presses on the title and the buttons, the beep, a fade and other skins, now and then.
void Interactions(Sweep& s, int i) {
  if (i % 30000 == 15000) s.display.UseSkin(Small(56));
  if (i % 30000 == 29000) s.display.UseSkin(Small(64));
  s.state.FTitleHot = i % 97 < 5;
  s.display.SetButtonStates(i % 131 < 7 ? TSknButton::kHover : i % 131 < 9 ? TSknButton::kPressed : TSknButton::kNormal,
                            i % 173 < 4 ? TSknButton::kHover : TSknButton::kNormal);
  s.display.beepRunning = i % 600 < 20;
  s.display.fading = i % 1000 < 3;
  s.display.constantAlpha = i % 5000 < 2 ? static_cast<uint8_t>(200 - 60 * (i % 5000)) : 255;
}

void ClockModeDay(bool hands) {
  Sweep s;
  s.state.FDisplayArrows = hands;
  s.Run(1.0, [&](int i) {
    Interactions(s, i);
    s.state.options.amPm = i < kDay / 2;  // the AM/PM label goes at noon
  });
  EXPECT_EQ(s.display.failure, "");
  EXPECT_GE(s.display.frames, kDay);
}

void ModeDay(ClockType mode, double step) {
  Sweep s;
  s.state.FClockType = mode;
  s.state.FCountdownTo = kMorning + 1 + 0.5 * kSecond;  // a day ahead: runs out at the end
  s.state.FTimerLength = 1.5;
  s.state.StopWatch1.Start();
  s.state.swTimer.Start();
  s.Run(step, [&](int i) {
    Interactions(s, i);
    if (i % 3000 == 1500) s.state.StopWatch1.Stop(), s.state.swTimer.Stop();  // the icon turns to Start
    if (i % 3000 == 1600) s.state.StopWatch1.Start(), s.state.swTimer.Start();
  });
  EXPECT_EQ(s.display.failure, "");
  EXPECT_GE(s.display.frames, kDay * 29 / 30);  // a stopped watch redraws nothing
}

}  // namespace

TEST(IncrementalFrames, ClockModeOverADayWithHands) { ClockModeDay(true); }
TEST(IncrementalFrames, ClockModeOverADayWithoutHands) { ClockModeDay(false); }
TEST(IncrementalFrames, CountdownOverADay) { ModeDay(ctCountdown, 1.0); }
TEST(IncrementalFrames, UptimeOverADay) { ModeDay(ctUpTime, 1.0); }
// 1.091 s a tick: the milliseconds cross a multiple of 90 at every tick, so each one redraws.
TEST(IncrementalFrames, StopwatchOverADay) { ModeDay(ctStopwatch, 1.091); }
TEST(IncrementalFrames, TimerOverADay) { ModeDay(ctTimer, 1.091); }

// The bundled skins themselves, their fonts' boxes and all, over a stretch of each mode.
TEST(IncrementalFrames, BundledSkinsInEachMode) {
  for (ClockType mode : {ctClock, ctCountdown, ctUpTime, ctStopwatch, ctTimer, ctAtomic}) {
    Sweep s;
    s.display.UseSkin(LoadBundledSkin("royale"));
    s.state.FClockType = mode;
    s.state.FCountdownTo = kMorning + 0.5;
    s.state.StopWatch1.Start();
    s.state.swTimer.Start();
    for (int i = 0; i < 400 && s.display.failure.empty(); ++i) {
      Interactions(s, i);
      s.state.FDisplayArrows = i % 150 < 140;
      if (i == 200) s.display.UseSkin(LoadBundledSkin("slate"));
      s.clock.AdvanceSeconds(mode == ctStopwatch || mode == ctTimer ? 1.037 : 1);
      if (mode == ctAtomic) {
        s.state.FTimeDifference = (i % 7 - 3) * 0.25 * kSecond;
        s.state.hands = HandAnglesFrom(s.state.FTimeDifference);
        s.display.FaceChanged();
      } else {
        s.display.Tick();
      }
    }
    EXPECT_EQ(s.display.failure, "") << "mode " << int(mode);
  }
}

TEST(IncrementalFrames, NetworkTimeDifferenceOverADay) {
  Sweep s;
  s.state.FClockType = ctAtomic;
  for (int i = 0; i < kDay && s.display.failure.empty(); ++i) {
    Interactions(s, i);
    s.state.FTimeDifference = (i % 7200 - 3600) * kSecond + (i % 3) * 0.001 * kSecond;
    s.state.hands = HandAnglesFrom(s.state.FTimeDifference);
    s.clock.AdvanceSeconds(1);
    s.display.FaceChanged();
  }
  EXPECT_EQ(s.display.failure, "");
}
