#include "image/resample.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "support/filled_bitmap.h"

namespace {

TBitmap32 Resampled(const TBitmap32& source, int width, int height) {
  TBitmap32 out;
  ResampleLanczos3(source, width, height, out);
  return out;
}

// A premultiplied image of random pixels.
TBitmap32 Noise(int w, int h, unsigned seed) {
  std::mt19937 random(seed);
  TBitmap32 b = Filled(w, h, 0);
  for (uint32_t& p : b.pixels) {
    const uint32_t a = random() % 256;
    p = Argb(a, random() % (a + 1), random() % (a + 1), random() % (a + 1));
  }
  return b;
}

TEST(ResampleLanczos3, TheSameSizeIsAnExactCopy) {
  const TBitmap32 source = Noise(37, 21, 1);
  EXPECT_EQ(Resampled(source, 37, 21).pixels, source.pixels);
}

TEST(ResampleLanczos3, FlatImagesStayFlatAtEveryScale) {
  struct Case {
    int w, h, toW, toH;
  };
  const Case cases[] = {{192, 192, 288, 288}, {192, 192, 240, 240}, {192, 192, 384, 384}, {150, 90, 75, 45},
                        {1, 1, 3, 3},         {7, 3, 11, 5},        {16, 96, 20, 120}};
  for (uint32_t colour : {0xFFFFFFFFu, 0xFF102030u, 0x80402010u, 0u}) {
    for (const Case& c : cases) {
      const TBitmap32 out = Resampled(Filled(c.w, c.h, colour), c.toW, c.toH);
      ASSERT_EQ(out.width, c.toW);
      ASSERT_EQ(out.height, c.toH);
      for (uint32_t p : out.pixels) ASSERT_EQ(p, colour) << c.w << " to " << c.toW << ", colour " << colour;
    }
  }
}

TEST(ResampleLanczos3, ColourNeverExceedsAlpha) {
  for (unsigned seed = 1; seed <= 4; ++seed) {
    for (double scale : {0.5, 1.25, 1.5, 2.0}) {
      const TBitmap32 source = Noise(30, 20, seed);
      const TBitmap32 out = Resampled(source, static_cast<int>(30 * scale), static_cast<int>(20 * scale));
      for (uint32_t p : out.pixels) {
        ASSERT_LE(RedOf(p), AlphaOf(p));
        ASSERT_LE(GreenOf(p), AlphaOf(p));
        ASSERT_LE(BlueOf(p), AlphaOf(p));
      }
    }
  }
}

TEST(ResampleLanczos3, AnEdgeStaysSharpAndInPlaceWhenDoubled) {
  // Left half black, right half white, 20 pixels wide: doubled, the edge lies between 19 and 20.
  TBitmap32 source = Filled(20, 4, 0xFF000000);
  for (int y = 0; y < 4; ++y)
    for (int x = 10; x < 20; ++x) source.At(x, y) = 0xFFFFFFFF;
  const TBitmap32 out = Resampled(source, 40, 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 40; ++x) {
      const int grey = RedOf(out.At(x, y));
      if (x <= 13) EXPECT_EQ(grey, 0) << x;          // beyond the kernel's reach
      if (x >= 26) EXPECT_EQ(grey, 255) << x;
      EXPECT_EQ(grey, 255 - RedOf(out.At(39 - x, y))) << "the edge is not centred at " << x;
    }
    // Three output pixels cross the edge from under a quarter to over three quarters.
    EXPECT_LT(RedOf(out.At(18, y)), 64);
    EXPECT_GT(RedOf(out.At(21, y)), 191);
  }
}

TEST(ResampleLanczos3, ShrinkingAveragesInsteadOfAliasing) {
  // One-pixel stripes halved: every pixel sees both colours, none keeps a stripe's colour.
  TBitmap32 source = Filled(40, 40, 0xFF000000);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; x += 2) source.At(x, y) = 0xFFFFFFFF;
  const TBitmap32 out = Resampled(source, 20, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 2; x < 18; ++x) EXPECT_NEAR(RedOf(out.At(x, y)), 128, 8) << x << "," << y;
}

TEST(ResampleLanczos3, EmptyInputsGiveEmptyOrClearResults) {
  EXPECT_TRUE(Resampled(TBitmap32(), 10, 10).pixels == std::vector<uint32_t>(100, 0u));
  EXPECT_TRUE(Resampled(Filled(4, 4, 0xFFFFFFFF), 0, 5).Empty());
}

}  // namespace
