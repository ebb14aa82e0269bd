#include "skin/rot_layer_paint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

#include "image/merge.h"
#include "support/filled_bitmap.h"

namespace {

// A hand of random premultiplied pixels, some of them transparent.
TBitmap32 RandomHand(int w, int h, unsigned seed) {
  std::mt19937 rng(seed);
  TBitmap32 bmp;
  bmp.SetSize(w, h);
  for (uint32_t& p : bmp.pixels) {
    const uint32_t a = rng() % 4 == 0 ? 0 : rng() % 256;
    p = Argb(a, rng() % (a + 1), rng() % (a + 1), rng() % (a + 1));
  }
  return bmp;
}

TRotLayer Layer(TBitmap32 bmp, float angle, FloatPoint centre, FloatPoint position) {
  TRotLayer layer;
  layer.bitmap = std::move(bmp);
  layer.angle = angle;
  layer.bitmapCenter = centre;
  layer.position = position;
  return layer;
}

int ChannelDiff(uint32_t a, uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 32; shift += 8)
    worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
  return worst;
}

// Plain Lanczos-3 sampling in doubles, the way the kernel is defined.
double RefLanczos(double x) {
  if (std::fabs(x) >= 3) return 0;
  auto sinc = [](double v) { return v == 0 ? 1.0 : std::sin(M_PI * v) / (M_PI * v); };
  return sinc(x) * sinc(x / 3);
}

uint32_t RefSample(const TBitmap32& src, double u, double v) {
  const int fu = int(std::floor(u)), fv = int(std::floor(v));
  double acc[4] = {0, 0, 0, 0}, wsum = 0;
  for (int j = fv - 2; j <= fv + 3; ++j) {
    for (int i = fu - 2; i <= fu + 3; ++i) {
      const double w = RefLanczos(u - i) * RefLanczos(v - j);
      wsum += w;
      if (i < 0 || j < 0 || i >= src.width || j >= src.height) continue;
      const uint32_t p = src.At(i, j);
      for (int c = 0; c < 4; ++c) acc[c] += w * ((p >> (8 * c)) & 0xFF);
    }
  }
  uint32_t ch[4];
  for (int c = 0; c < 4; ++c) ch[c] = uint32_t(std::clamp(std::lround(acc[c] / wsum), 0L, 255L));
  for (int c = 0; c < 3; ++c) ch[c] = std::min(ch[c], ch[3]);
  return Argb(ch[3], ch[2], ch[1], ch[0]);
}

}  // namespace

TEST(RotLayerPaint, QuarterTurnsCopyTheHandExactly) {
  // Bitmap pixel (i, j) at offset (i - cx, j - cy) from the pivot lands at this offset from
  // the position; y points down, so +90 turns the top of the hand to the left.
  struct Case {
    float angle;
    int xi, xj, yi, yj;  // target offset = (xi·di + xj·dj, yi·di + yj·dj)
  } cases[] = {
      {0, 1, 0, 0, 1},   {90, 0, 1, -1, 0},  {-90, 0, -1, 1, 0},
      {180, -1, 0, 0, -1}, {270, 0, -1, 1, 0}, {-360, 1, 0, 0, 1},
  };
  const TBitmap32 hand = RandomHand(7, 20, 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.angle);
    TRotLayer layer = Layer(hand, c.angle, {3, 17}, {50, 40});
    TBitmap32 target = Filled(100, 100, 0);
    PaintRotLayer(layer, target);
    TBitmap32 expected = Filled(100, 100, 0);
    for (int j = 0; j < hand.height; ++j)
      for (int i = 0; i < hand.width; ++i)
        expected.At(50 + c.xi * (i - 3) + c.xj * (j - 17), 40 + c.yi * (i - 3) + c.yj * (j - 17)) =
            hand.At(i, j);
    EXPECT_EQ(target.pixels, expected.pixels);
  }
}

TEST(RotLayerPaint, SecondHandAtFifteenSecondsPointsRight) {
  TBitmap32 hand = Filled(5, 40, 0);
  for (int j = 0; j < 40; ++j) hand.At(2, j) = 0xFFFF0000;
  TRotLayer seconds = Layer(hand, -15 * 6, {2, 35}, {96, 96});
  TBitmap32 face = Filled(192, 192, 0);
  PaintRotLayer(seconds, face);
  EXPECT_EQ(face.At(96 + 35, 96), 0xFFFF0000u);  // the tip
  EXPECT_EQ(face.At(96 - 4, 96), 0xFFFF0000u);   // the tail behind the pivot
  EXPECT_EQ(face.At(96 + 36, 96), 0u);
  EXPECT_EQ(face.At(96, 96 - 20), 0u);  // nothing left pointing up
}

TEST(RotLayerPaint, PivotPixelLandsOnThePosition) {
  const TBitmap32 hand = RandomHand(9, 31, 2);
  struct Case {
    float angle;
    FloatPoint centre, position;
  } cases[] = {
      {37, {4, 28}, {60, 60}},      {-123.5f, {0, 0}, {30, 70}},
      {200, {8, 30}, {70, 20}},     {-6, {4.5f, 15.5f}, {50.5f, 50.5f}},
  };
  for (const Case& c : cases) {
    TRotLayer layer = Layer(hand, c.angle, c.centre, c.position);
    TBitmap32 target = Filled(100, 100, 0);
    PaintRotLayer(layer, target);
    const FloatPoint back = LayerTransform(layer).Inverse().Apply(c.position.x, c.position.y);
    EXPECT_NEAR(back.x, c.centre.x, 1e-4);
    EXPECT_NEAR(back.y, c.centre.y, 1e-4);
    if (c.position.x == std::floor(c.position.x)) {
      EXPECT_EQ(target.At(int(c.position.x), int(c.position.y)),
                hand.At(int(c.centre.x), int(c.centre.y)))
          << c.angle;
    }
  }
}

TEST(RotLayerPaint, MatchesPlainLanczosAndStaysInItsBox) {
  const TBitmap32 hand = RandomHand(11, 45, 3);
  struct Case {
    float angle;
    FloatPoint position;
  } cases[] = {{17, {50, 50}}, {-123.4f, {48.3f, 51.7f}}, {-271, {50, 50}},
               {45, {5, 90}} /* mostly off the target */};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.angle);
    TRotLayer layer = Layer(hand, c.angle, {5, 38}, c.position);
    TBitmap32 target = Filled(100, 100, 0);
    PaintRotLayer(layer, target);
    const PixelBox box = PaintBox(layer, target);
    const AffineMap inv = LayerTransform(layer).Inverse();
    int worst = 0;
    for (int y = 0; y < 100; ++y) {
      for (int x = 0; x < 100; ++x) {
        const bool inBox = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
        if (!inBox) {
          ASSERT_EQ(target.At(x, y), 0u) << x << "," << y;
          continue;
        }
        const double u = inv.m11 * x + inv.m12 * y + inv.dx, v = inv.m21 * x + inv.m22 * y + inv.dy;
        worst = std::max(worst, ChannelDiff(target.At(x, y), RefSample(hand, u, v)));
      }
    }
    EXPECT_LE(worst, 1);
  }
}

TEST(RotLayerPaint, FlatHandKeepsItsColourInside) {
  TBitmap32 hand = Filled(12, 30, 0xFF336699);
  for (float angle : {33.0f, -100.0f, 7.5f}) {
    TRotLayer layer = Layer(hand, angle, {6, 25}, {40.3f, 40.6f});
    TBitmap32 target = Filled(80, 80, 0);
    PaintRotLayer(layer, target);
    const AffineMap inv = LayerTransform(layer).Inverse();
    int inside = 0;
    for (int y = 0; y < 80; ++y) {
      for (int x = 0; x < 80; ++x) {
        const FloatPoint p = inv.Apply(x, y);
        if (p.x < 3 || p.y < 3 || p.x > 12 - 4 || p.y > 30 - 4) continue;  // all taps inside
        ++inside;
        ASSERT_EQ(target.At(x, y), 0xFF336699u) << angle << " at " << x << "," << y;
      }
    }
    EXPECT_GT(inside, 100);
  }
}

TEST(RotLayerPaint, MergesOntoWhatIsThere) {
  TBitmap32 hand = Filled(1, 1, 0x80800000);  // half-covering, premultiplied red
  TRotLayer layer = Layer(hand, 0, {0, 0}, {2, 2});
  TBitmap32 target = Filled(5, 5, 0xFF000000);
  PaintRotLayer(layer, target);
  EXPECT_EQ(target.At(2, 2), MergePixel(0x80800000, 0xFF000000));
  EXPECT_EQ(target.At(1, 2), 0xFF000000u);
}

TEST(RotLayerPaint, BadLayersDrawNothing) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const TBitmap32 hand = RandomHand(5, 5, 4);
  const TRotLayer layers[] = {
      Layer(hand, nan, {2, 2}, {10, 10}),   Layer(hand, 0, {2, 2}, {nan, 10}),
      Layer(hand, 0, {inf, 2}, {10, 10}),   Layer(hand, 10, {2, 2}, {1e9f, -1e9f}),
      Layer(TBitmap32{}, 10, {0, 0}, {10, 10}),
  };
  for (const TRotLayer& layer : layers) {
    TBitmap32 target = Filled(20, 20, 0);
    PaintRotLayer(layer, target);
    for (uint32_t p : target.pixels) ASSERT_EQ(p, 0u);
  }
  TBitmap32 empty;
  PaintRotLayer(Layer(hand, 0, {2, 2}, {0, 0}), empty);
}
