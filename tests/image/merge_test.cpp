#include "image/merge.h"

#include <gtest/gtest.h>

#include "support/filled_bitmap.h"

TEST(Merge, PixelRule) {
  struct Case { uint32_t f, b, expected; const char* why; };
  const Case cases[] = {
      {0xFF102030, 0x80405060, 0xFF102030, "opaque foreground wins"},
      {0x00102030, 0x80405060, 0x80405060, "transparent foreground keeps background"},
      {0x40102030, 0x00405060, 0x40102030, "transparent background takes foreground as is"},
      {0x80FF0000, 0xFF0000FF, 0xFF80007F, "opaque background: plain blend by foreground alpha"},
      {0x80FF0000, 0x80000000, 0xC0AA0000, "two halves: alpha 192, weight 170"},
      {0x40006400, 0xC800C800, 0xD600AA00, "colour moving down rounds the magnitude"},
      {0x01FFFFFF, 0xFF000000, 0xFF010101, "faintest foreground still counts"},
      {0xFE000000, 0x01FFFFFF, 0xFE000000, "nearly opaque over nearly clear"},
  };
  for (const Case& c : cases) EXPECT_EQ(MergePixel(c.f, c.b), c.expected) << c.why;
}

TEST(Merge, RectIsClippedToBothBitmaps) {
  struct Case { int dx, dy, sx, sy, w, h; int merged; const char* why; };
  const Case cases[] = {
      {0, 0, 0, 0, 4, 4, 16, "whole source inside"},
      {-2, -1, 0, 0, 4, 4, 6, "hanging over the top-left corner"},
      {5, 4, 0, 0, 4, 4, 3, "hanging over the bottom-right corner"},
      {0, 0, 2, 2, 4, 4, 4, "source rectangle leaves the source"},
      {0, 0, -1, 0, 2, 1, 1, "source rectangle starts left of the source"},
      {8, 0, 0, 0, 4, 4, 0, "entirely right of the target"},
      {0, 0, 0, 0, 0, 4, 0, "empty rectangle"},
  };
  for (const Case& c : cases) {
    TBitmap32 dst = Filled(8, 5, 0);
    const TBitmap32 src = Filled(4, 4, 0xFF123456);
    MergeRect(dst, c.dx, c.dy, src, c.sx, c.sy, c.w, c.h);
    int merged = 0;
    for (uint32_t p : dst.pixels) merged += p == 0xFF123456;
    EXPECT_EQ(merged, c.merged) << c.why;
  }
}

TEST(Merge, RectTakesTheChosenSourceArea) {
  TBitmap32 src = Filled(4, 1, 0);
  for (int x = 0; x < 4; ++x) src.At(x, 0) = 0xFF000000u | static_cast<uint32_t>(x + 1);
  TBitmap32 dst = Filled(3, 1, 0xFF999999);
  MergeRect(dst, 1, 0, src, 2, 0, 2, 1);
  EXPECT_EQ(dst.At(0, 0), 0xFF999999u);
  EXPECT_EQ(dst.At(1, 0), 0xFF000003u);
  EXPECT_EQ(dst.At(2, 0), 0xFF000004u);
}
