#include "skin/fade.h"

#include <gtest/gtest.h>

namespace {

struct FadeRun {
  int steps = 0;             // until the timer stops
  int zoomFullAt = 0;        // first step with zoom 255 (appearing)
  int lastVisibleZoom = -1;  // zoom of the last step with alpha > 0 (disappearing)
  FadeStepResult last;
};

FadeRun RunFade(FadeState fade) {
  TBitmap32 frame, zoom;
  frame.SetSize(150, 150);
  frame.Clear(0xFF000000);
  FadeRun run;
  while (run.steps < 1000) {
    run.last = FadeStep(fade, frame, zoom);
    ++run.steps;
    if (fade.zoom == 255 && run.zoomFullAt == 0) run.zoomFullAt = run.steps;
    if (fade.constantAlpha > 0) run.lastVisibleZoom = fade.zoom;
    if (run.last.stopTimer) break;
  }
  EXPECT_FALSE(fade.running);
  return run;
}

FadeState Fade(FadeDirection dir, int alpha, int zoom, bool sameOrigin, bool close) {
  FadeState f;
  f.direction = dir;
  f.constantAlpha = static_cast<uint8_t>(alpha);
  f.zoom = zoom;
  f.homeCenter = {500, 400};
  f.zoomOrigin = sameOrigin ? f.homeCenter : ScreenPoint{20, 700};
  f.closeAfterFade = close;
  f.running = true;
  return f;
}

}  // namespace

TEST(FadeStep, StepCountsOfEachFade) {
  const FadeDirection in = FadeDirection::Appearing, out = FadeDirection::Disappearing;
  struct Case {
    const char* name;
    FadeState fade;
    int steps, zoomFullAt, lastVisibleZoom;
    bool redraw, hide, closeAgain;
  } cases[] = {
      {"start-up", Fade(in, 0, 200, true, false), 37, 19, 255, true, false, false},
      {"show after hide", Fade(in, 0, 0, false, false), 37, 37, 255, true, false, false},
      {"hide", Fade(out, 255, 255, false, false), 26, 0, 5, false, true, false},
      {"close", Fade(out, 255, 255, true, true), 26, 0, 180, false, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FadeRun run = RunFade(c.fade);
    EXPECT_EQ(run.steps, c.steps);
    EXPECT_EQ(run.zoomFullAt, c.zoomFullAt);
    EXPECT_EQ(run.lastVisibleZoom, c.lastVisibleZoom);
    EXPECT_EQ(run.last.redraw, c.redraw);
    EXPECT_EQ(run.last.hideWindow, c.hide);
    EXPECT_EQ(run.last.closeAgain, c.closeAgain);
  }
}

TEST(FadeStep, GrowthPerStepDependsOnTheOrigin) {
  TBitmap32 frame, zoom;
  frame.SetSize(20, 20);
  for (bool same : {true, false}) {
    FadeState f = Fade(FadeDirection::Appearing, 0, 100, same, false);
    FadeStep(f, frame, zoom);
    EXPECT_EQ(f.zoom, same ? 103 : 107);
    EXPECT_EQ(f.constantAlpha, 7);
  }
}

TEST(FadeStep, DisappearingFromAlphaZeroEndsAtOnce) {
  TBitmap32 frame, zoom;
  frame.SetSize(20, 20);
  FadeState f = Fade(FadeDirection::Disappearing, 0, 120, false, false);
  const FadeStepResult r = FadeStep(f, frame, zoom);
  EXPECT_EQ(f.zoom, 0);
  EXPECT_TRUE(r.stopTimer);
  EXPECT_TRUE(r.hideWindow);
}

TEST(FadeGeometry, ScaledSizes) {
  struct Case {
    int size, zoom, minimum, expected;
  } cases[] = {
      {150, 128, 16, 75},  // 75.29
      {150, 0, 16, 16},    {150, 255, 16, 150}, {150, 200, 16, 118},  // 117.6
      {10, 255, 16, 16},   // never below the minimum, even beyond the window
      {192, 1, 16, 16},    {192, 254, 16, 191},
      // On a scaled monitor the minimum is 16 face pixels in device pixels.
      {288, 0, 24, 24},    {288, 10, 24, 24},   {288, 128, 24, 145},
      {384, 1, 32, 32},    {384, 255, 32, 384},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ZoomedSize(c.size, c.zoom, c.minimum), c.expected) << c.size << " at " << c.zoom;
  }
}

TEST(FadeGeometry, CentreMovesFromOriginToHome) {
  FadeState f;
  f.zoomOrigin = {0, 0};
  f.homeCenter = {255, 510};
  struct Case {
    int zoom;
    ScreenPoint expected;
  } cases[] = {
      {255, {255, 510}}, {0, {0, 0}}, {128, {128, 256}}, {1, {1, 2}},
  };
  for (const Case& c : cases) {
    f.zoom = c.zoom;
    const ScreenPoint p = ZoomedCentre(f);
    EXPECT_EQ(p.x, c.expected.x) << c.zoom;
    EXPECT_EQ(p.y, c.expected.y) << c.zoom;
  }
  f.zoomOrigin = {-300, 900};  // left of and below the home centre, off screen
  f.zoom = 0;
  EXPECT_EQ(ZoomedCentre(f), (ScreenPoint{-300, 900}));
}

TEST(FadeStep, ZoomZeroDrawsMinimumImageOnTheOrigin) {
  TBitmap32 frame, zoom;
  frame.SetSize(150, 150);
  frame.Clear(0xFF112233);
  FadeState f = Fade(FadeDirection::Disappearing, 10, 10, false, false);
  const FadeStepResult r = FadeStep(f, frame, zoom);
  EXPECT_EQ(r.imageWidth, 16);
  EXPECT_EQ(r.imageHeight, 16);
  EXPECT_EQ(r.left, f.zoomOrigin.x - 8);
  EXPECT_EQ(r.top, f.zoomOrigin.y - 8);
  EXPECT_EQ(r.constantAlpha, 0);
  EXPECT_EQ(zoom.At(15, 15), 0xFF112233u);
  EXPECT_EQ(zoom.At(16, 0), 0u);
  EXPECT_EQ(zoom.At(0, 16), 0u);
}

TEST(ScaleFrameInto, NearestNeighbourCopyOverClearedZoom) {
  TBitmap32 frame, zoom;
  frame.SetSize(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) frame.At(x, y) = Argb(0x80, x, y, 0);  // half transparent
  zoom.SetSize(4, 4);
  zoom.Clear(0xFFFFFFFF);  // stale content must not show through

  ScaleFrameInto(frame, zoom, 2, 2);
  EXPECT_EQ(zoom.At(0, 0), Argb(0x80, 1, 1, 0));
  EXPECT_EQ(zoom.At(1, 0), Argb(0x80, 3, 1, 0));
  EXPECT_EQ(zoom.At(0, 1), Argb(0x80, 1, 3, 0));
  EXPECT_EQ(zoom.At(1, 1), Argb(0x80, 3, 3, 0));
  EXPECT_EQ(zoom.At(2, 0), 0u);
  EXPECT_EQ(zoom.At(3, 3), 0u);

  ScaleFrameInto(frame, zoom, 4, 4);
  EXPECT_EQ(zoom.pixels, frame.pixels);
}

TEST(ScaleFrameInto, TinyOrEmptyFrames) {
  TBitmap32 frame, zoom;
  frame.SetSize(3, 2);
  frame.Clear(0xFF0000FF);
  ScaleFrameInto(frame, zoom, 16, 16);  // the minimum size is larger than the window
  EXPECT_EQ(zoom.width, 3);
  EXPECT_EQ(zoom.height, 2);
  for (uint32_t p : zoom.pixels) EXPECT_EQ(p, 0xFF0000FFu);

  TBitmap32 empty;
  ScaleFrameInto(empty, zoom, 16, 16);
  EXPECT_TRUE(zoom.Empty());
}

TEST(FadeRequests, HideShowAndClose) {
  FadeState f;
  StartUpFade(f, WindowCentre(100, 50, 191, 150));
  EXPECT_EQ(f.homeCenter, (ScreenPoint{195, 125}));
  EXPECT_EQ(f.zoomOrigin, f.homeCenter);
  EXPECT_EQ(f.zoom, 200);
  EXPECT_TRUE(f.running);

  // Hiding a shown window fades toward the cursor; showing it grows from there.
  EXPECT_FALSE(RequestHideShow(f, {5, 6}, true, {300, 200}));
  EXPECT_EQ(f.direction, FadeDirection::Disappearing);
  EXPECT_EQ(f.homeCenter, (ScreenPoint{300, 200}));
  EXPECT_EQ(f.zoomOrigin, (ScreenPoint{5, 6}));
  EXPECT_TRUE(RequestHideShow(f, {7, 8}, false, {0, 0}));
  EXPECT_EQ(f.direction, FadeDirection::Appearing);
  EXPECT_EQ(f.homeCenter, (ScreenPoint{300, 200}));

  // Closing a shown window first fades it out from full alpha; the second close goes ahead.
  f.constantAlpha = 40;
  EXPECT_FALSE(BeginClosingFade(f));
  EXPECT_EQ(f.constantAlpha, 255);
  EXPECT_TRUE(f.closeAfterFade);
  EXPECT_TRUE(BeginClosingFade(f));

  // Closing while hidden: the hide already faded out, so no second fade.
  FadeState hidden;
  hidden.direction = FadeDirection::Disappearing;
  EXPECT_TRUE(BeginClosingFade(hidden));
  EXPECT_FALSE(hidden.running);
}

TEST(FadeRequests, UpdateFailureReportedOncePerFade) {
  FadeState f;
  StartUpFade(f, {0, 0});
  EXPECT_TRUE(ShouldReportUpdateFailure(f));
  EXPECT_FALSE(ShouldReportUpdateFailure(f));
  EXPECT_FALSE(ShouldReportUpdateFailure(f));
  ShowForAlarm(f);
  EXPECT_TRUE(ShouldReportUpdateFailure(f));
  EXPECT_EQ(f.direction, FadeDirection::Appearing);
}
