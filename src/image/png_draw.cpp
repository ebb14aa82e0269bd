#include "image/png_draw.h"

#include <algorithm>

namespace {

inline uint32_t Div255(uint32_t v) {
  v += 128;
  return (v + (v >> 8)) >> 8;
}

}  // namespace

void DrawPng(TBitmap32& target, const TPngImage& image) {
  const int w = std::min(target.width, image.Width());
  const int h = std::min(target.height, image.Height());
  const auto& g = image.gammaTable;
  for (int y = 0; y < h; ++y) {
    const uint32_t* src = image.colors.data() + static_cast<size_t>(y) * image.Width();
    const uint8_t* alpha = image.alpha.data() + static_cast<size_t>(y) * image.Width();
    uint32_t* dst = target.Row(y);
    for (int x = 0; x < w; ++x) {
      const uint32_t a = alpha[x];
      if (a == 0) continue;
      const uint32_t c = src[x];
      const uint32_t r = g[(c >> 16) & 0xFF], gr = g[(c >> 8) & 0xFF], b = g[c & 0xFF];
      const uint32_t d = dst[x];
      if (a == 255) {
        dst[x] = (d & 0xFF000000u) | (r << 16) | (gr << 8) | b;
        continue;
      }
      const uint32_t keep = 255 - a;
      dst[x] = (d & 0xFF000000u) | (Div255(a * r + keep * ((d >> 16) & 0xFF)) << 16) |
               (Div255(a * gr + keep * ((d >> 8) & 0xFF)) << 8) | Div255(a * b + keep * (d & 0xFF));
    }
  }
}
