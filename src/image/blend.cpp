#include "image/blend.h"

void BlendOver(TBitmap32& dst, int x, int y, const TBitmap32& src, uint8_t constantAlpha) {
  BlendOverIn(dst, WholeOf(dst), x, y, src, constantAlpha);
}

// Most pixels of a face are opaque or transparent and take the quick ways out of
// BlendOverPixel; vectorised, every pixel would pay for the full blend.
__attribute__((optimize("no-tree-vectorize")))
void BlendOverIn(TBitmap32& dst, const PixelRect& clip, int x, int y, const TBitmap32& src, uint8_t constantAlpha) {
  const PixelRect r = Intersection(Intersection(clip, WholeOf(dst)), {x, y, x + src.width, y + src.height});
  if (r.Empty() || constantAlpha == 0) return;
  for (int row = r.top; row < r.bottom; ++row) {
    const uint32_t* s = src.Row(row - y) + (r.left - x);
    uint32_t* d = dst.Row(row) + r.left;
    for (int i = 0, n = r.Width(); i < n; ++i) d[i] = BlendOverPixel(s[i], d[i], constantAlpha);
  }
}
