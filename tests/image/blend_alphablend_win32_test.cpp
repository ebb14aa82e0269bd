#include <windows.h>

#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

#include "base/handles_win32.h"
#include "image/blend.h"
#include "image/dib_section_win32.h"

namespace {

// A 32-bit top-down DIB section holding a copy of `b`.
struct DibCopy {
  explicit DibCopy(HDC dc, const TBitmap32& b) {
    bitmap = CreateTopDownDib(dc, b.width, b.height, bits);
    std::memcpy(bits, b.pixels.data(), b.pixels.size() * 4);
  }
  BitmapHandle bitmap;
  uint32_t* bits = nullptr;
};

uint8_t Channel(uint32_t p, int shift) { return static_cast<uint8_t>(p >> shift); }

}  // namespace

// Our blend is used everywhere in place of AlphaBlend: on every premultiplied source value
// against a spread of backgrounds, and at several constant alphas, both agree within 1.
TEST(BlendOverAgreesWithAlphaBlend, EveryChannelWithinOne) {
  TBitmap32 src, dst;
  src.SetSize(256, 8);
  dst.SetSize(256, 8);
  for (int y = 0; y < 8; ++y) {
    for (int a = 0; a < 256; ++a) {
      const uint32_t c = static_cast<uint32_t>(a * (y + 1) / 8);  // premultiplied: c <= a
      src.At(a, y) = Argb(a, c, a / 2, (c * 3) / 4);
      const uint32_t d = static_cast<uint32_t>((a * 37 + y * 71) % 256);
      dst.At(a, y) = Argb(y * 32 + 31, d, 255 - d, (d * 5) % 256);
    }
  }
  const DcHandle dc(CreateCompatibleDC(nullptr));
  for (uint8_t constant : {255, 200, 128, 7, 0}) {
    TBitmap32 ours = dst;
    BlendOver(ours, 0, 0, src, constant);

    DibCopy from(dc.get(), src), to(dc.get(), dst);
    const DcHandle fromDc(CreateCompatibleDC(nullptr));
    SelectedObject selectedFrom(fromDc.get(), from.bitmap.get());
    SelectedObject selectedTo(dc.get(), to.bitmap.get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, constant, AC_SRC_ALPHA};
    ASSERT_TRUE(AlphaBlend(dc.get(), 0, 0, 256, 8, fromDc.get(), 0, 0, 256, 8, blend));
    GdiFlush();

    int worst = 0;
    for (size_t i = 0; i < ours.pixels.size(); ++i) {
      for (int shift : {0, 8, 16, 24}) {
        worst = std::max(worst, std::abs(Channel(ours.pixels[i], shift) - Channel(to.bits[i], shift)));
      }
    }
    EXPECT_LE(worst, 1) << "constant alpha " << int(constant);
  }
}
