#include "image/blend.h"

#include <algorithm>

namespace {

// Rounded v / 255 for v up to 255 × 255 × 2.
inline uint32_t Div255(uint32_t v) {
  v += 128;
  return (v + (v >> 8)) >> 8;
}

// All four channels of a source pixel over a destination pixel.
inline uint32_t BlendPixel(uint32_t s, uint32_t d, uint32_t constantAlpha) {
  const uint32_t sa = Div255((s >> 24) * constantAlpha);
  const uint32_t keep = 255 - sa;
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const uint32_t sc = (s >> shift) & 0xFF;
    const uint32_t dc = (d >> shift) & 0xFF;
    // One rounding over the exact sum keeps the result within ±1 of the formula; colour
    // above its alpha (not really premultiplied) saturates like the platform does.
    const uint32_t c = std::min<uint32_t>(Div255(sc * constantAlpha + dc * keep), 255);
    out |= c << shift;
  }
  return out;
}

}  // namespace

void BlendOver(TBitmap32& dst, int x, int y, const TBitmap32& src, uint8_t constantAlpha) {
  const int x0 = std::max(x, 0);
  const int y0 = std::max(y, 0);
  const int x1 = std::min(x + src.width, dst.width);
  const int y1 = std::min(y + src.height, dst.height);
  if (x0 >= x1 || y0 >= y1 || constantAlpha == 0) return;
  for (int row = y0; row < y1; ++row) {
    const uint32_t* s = src.Row(row - y) + (x0 - x);
    uint32_t* d = dst.Row(row) + x0;
    for (int i = 0, n = x1 - x0; i < n; ++i) {
      const uint32_t sp = s[i];
      if (constantAlpha == 255 && (sp >> 24) == 255) {
        d[i] = sp;
      } else if (sp != 0) {
        d[i] = BlendPixel(sp, d[i], constantAlpha);
      }
    }
  }
}
