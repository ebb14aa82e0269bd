#include "image/blend.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "support/filled_bitmap.h"

namespace {

double Formula(int s, int d, int sa, int c) {
  return s * c / 255.0 + d * (1.0 - sa * c / 65025.0);
}

}  // namespace

TEST(BlendOver, EveryChannelWithinOneOfThePlatformRule) {
  struct Case {
    uint32_t src, dst;
    uint8_t constantAlpha;
  };
  const Case cases[] = {
      {0xFF102030, 0x80405060, 255},  // opaque source replaces
      {0x00000000, 0xC0A0B0C0, 255},  // transparent source keeps dst
      {0x80808080, 0xFFFFFFFF, 255},  // half white over white
      {0x80404040, 0xFF000000, 255},  // half grey over black
      {0x01010101, 0x7F7F7F7F, 255},
      {0xFEFEFEFE, 0x01020304, 255},
      {0xFF123456, 0xFF654321, 128},  // constant alpha fades an opaque source
      {0x80402010, 0x40302010, 77},
      {0xFFFFFFFF, 0x00000000, 1},
      {0xC0C00000, 0xFF00C000, 200},
  };
  for (const Case& c : cases) {
    TBitmap32 dst = Filled(1, 1, c.dst);
    BlendOver(dst, 0, 0, Filled(1, 1, c.src), c.constantAlpha);
    const int sa = AlphaOf(c.src);
    for (int shift = 0; shift < 32; shift += 8) {
      const int s = (c.src >> shift) & 0xFF, d = (c.dst >> shift) & 0xFF;
      const int got = (dst.At(0, 0) >> shift) & 0xFF;
      EXPECT_LE(std::fabs(got - Formula(s, d, sa, c.constantAlpha)), 1.0)
          << std::hex << c.src << " over " << c.dst << " C=" << std::dec << int(c.constantAlpha)
          << " channel shift " << shift;
    }
  }
}

TEST(BlendOver, ExhaustiveAlphaAndChannelStayWithinOne) {
  TBitmap32 src, dst;
  src.SetSize(1, 1);
  dst.SetSize(1, 1);
  for (int c : {255, 170, 3}) {
    for (int sa = 0; sa < 256; sa += 5) {
      for (int d = 0; d < 256; d += 3) {
        const int s = sa * 7 / 10;  // a premultiplied colour at or below its alpha
        src.At(0, 0) = Argb(sa, s, s, s);
        dst.At(0, 0) = Argb(d, d, d, d);
        BlendOver(dst, 0, 0, src, static_cast<uint8_t>(c));
        ASSERT_LE(std::fabs(RedOf(dst.At(0, 0)) - Formula(s, d, sa, c)), 1.0)
            << "sa=" << sa << " d=" << d << " C=" << c;
        ASSERT_LE(std::fabs(AlphaOf(dst.At(0, 0)) - Formula(sa, d, sa, c)), 1.0);
      }
    }
  }
}

TEST(BlendOver, ClipsToTheDestination) {
  struct Case {
    int x, y;
    int touched;  // pixels of the 4×3 destination the 2×2 source reaches
  };
  const Case cases[] = {{0, 0, 4}, {3, 2, 1}, {-1, -1, 1}, {-2, 0, 0}, {4, 0, 0},
                        {0, 3, 0}, {1, -1, 2}, {-5, -5, 0}, {2, 1, 4}};
  for (const Case& c : cases) {
    TBitmap32 dst = Filled(4, 3, 0);
    BlendOver(dst, c.x, c.y, Filled(2, 2, 0xFFFFFFFF), 255);
    int touched = 0;
    for (uint32_t p : dst.pixels) touched += p == 0xFFFFFFFF;
    EXPECT_EQ(touched, c.touched) << "at " << c.x << "," << c.y;
  }
}

TEST(BlendOver, PlacesSourcePixelsAtTheOffset) {
  TBitmap32 src;
  src.SetSize(2, 2);
  src.pixels = {0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004};
  TBitmap32 dst = Filled(3, 3, 0);
  BlendOver(dst, 1, 1, src, 255);
  EXPECT_EQ(dst.At(0, 0), 0u);
  EXPECT_EQ(dst.At(1, 1), 0xFF000001u);
  EXPECT_EQ(dst.At(2, 1), 0xFF000002u);
  EXPECT_EQ(dst.At(1, 2), 0xFF000003u);
  EXPECT_EQ(dst.At(2, 2), 0xFF000004u);
}
