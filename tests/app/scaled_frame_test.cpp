// Royale composed at display scales: the frame takes the scaled size and the hands still
// stand where the time says, measured on the pixels.
#include <gtest/gtest.h>

#include <cmath>

#include "app/clock_state.h"
#include "app/clock_tick.h"
#include "app/display_texts.h"
#include "skin/compose_frame.h"
#include "skin/skin_scale.h"
#include "support/box_text_rasterizer.h"
#include "support/bundled_skin.h"
#include "support/fake_clock.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr TDateTime kTenEightThirty = 46364.422569444;  // 2026-12-09 10:08:30: minute hand at 51°

int Brightness(uint32_t p) { return RedOf(p) + GreenOf(p) + BlueOf(p); }

// The clockwise angle from twelve o'clock of the brightest ray out of the pivot between the radii
// (in device pixels), leaving out `skip` ± 12°.
double BrightestRay(const TBitmap32& frame, FloatPoint pivot, double from, double to, double skip) {
  double best = -1, bestSum = -1;
  for (double a = 0; a < 360; a += 0.25) {
    if (std::fabs(std::remainder(a - skip, 360)) < 12) continue;
    const double dx = std::sin(a * kPi / 180), dy = -std::cos(a * kPi / 180);
    double sum = 0;
    for (double r = from; r <= to; r += 0.5) {
      const int x = static_cast<int>(std::lround(pivot.x + r * dx)), y = static_cast<int>(std::lround(pivot.y + r * dy));
      if (x >= 0 && y >= 0 && x < frame.width && y < frame.height) sum += Brightness(frame.At(x, y));
    }
    if (sum > bestSum) bestSum = sum, best = a;
  }
  return best;
}

TEST(ScaledFrame, HandsStandWhereTheTimeSaysAtEveryScale) {
  const SkinState design = LoadBundledSkin("royale");
  for (double scale : {1.0, 1.5, 2.0}) {
    SCOPED_TRACE(scale);
    BoxTextRasterizer text;
    SkinState skin;
    ScaleSkin(design, scale, text, skin);
    FakeClock clock(kTenEightThirty);
    ClockState state(clock);
    const HandAngles hands = HandAnglesFrom(kTenEightThirty);
    SkinSurfaces& s = skin.surfaces;
    s.hours.angle = hands.hour;
    s.minutes.angle = hands.minute;
    s.seconds.angle = hands.second;
    FrameComposer composer;
    composer.ComposeFrame(s, skin.labels, FaceButtons{skin.left, skin.right}, text,
                          ComputeDisplayTexts(state, kTenEightThirty, 0), FrameInputs{});
    ASSERT_EQ(s.frame.width, std::lround(192 * scale));
    // Beyond the hour hand's reach (46 face pixels) and short of the minute hand's tip (66),
    // leaving out the second hand, which points at six.
    const double minute = BrightestRay(s.frame, s.minutes.position, 50 * scale, 62 * scale, 180);
    EXPECT_NEAR(minute, 51, 1.5);
  }
}

}  // namespace
