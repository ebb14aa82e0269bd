#include "skin/stretch_blend.h"

#include <gtest/gtest.h>

#include "image/blend.h"
#include "support/filled_bitmap.h"

TEST(BlendStretched, SmallGlassCoversTheWholeFace) {
  // A 2 × 2 glass over an 8 × 6 face: each quarter of the face takes one glass pixel.
  TBitmap32 glass;
  glass.SetSize(2, 2);
  glass.pixels = {0xFF0000FF, 0x80000080, 0x00000000, 0xFFFFFFFF};
  TBitmap32 face = Filled(8, 6, 0xFF101010);
  BlendStretched(face, 8, 6, glass, 255);

  TBitmap32 one = Filled(1, 1, 0);
  auto expect = [&](uint32_t src) {
    TBitmap32 d = Filled(1, 1, 0xFF101010);
    one.pixels[0] = src;
    BlendOver(d, 0, 0, one, 255);
    return d.pixels[0];
  };
  struct Case {
    int x, y;
    uint32_t glassPixel;
  } cases[] = {{0, 0, 0xFF0000FF}, {3, 2, 0xFF0000FF}, {4, 0, 0x80000080}, {7, 2, 0x80000080},
               {0, 3, 0x00000000}, {3, 5, 0x00000000}, {4, 3, 0xFFFFFFFF}, {7, 5, 0xFFFFFFFF}};
  for (const Case& c : cases) EXPECT_EQ(face.At(c.x, c.y), expect(c.glassPixel)) << c.x << "," << c.y;
}

TEST(BlendStretched, SameSizeIsAPlainBlendAndOutsideIsUntouched) {
  TBitmap32 glass = Filled(4, 4, 0x40404040);
  TBitmap32 a = Filled(6, 6, 0xFF000000), b = a;
  BlendStretched(a, 4, 4, glass, 200);
  BlendOver(b, 0, 0, glass, 200);
  EXPECT_EQ(a.pixels, b.pixels);
  EXPECT_EQ(a.At(5, 5), 0xFF000000u);

  TBitmap32 big = Filled(3, 3, 0xFF000000);
  BlendStretched(big, 10, 10, glass, 255);  // the rectangle is larger than the target
  for (uint32_t p : big.pixels) EXPECT_NE(p, 0xFF000000u);
  BlendStretched(big, 10, 10, TBitmap32{}, 255);  // no glass: nothing happens
}
