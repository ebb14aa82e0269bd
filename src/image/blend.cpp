#include "image/blend.h"

#include "image/blend_span.h"

void BlendOver(TBitmap32& dst, int x, int y, const TBitmap32& src, uint8_t constantAlpha) {
  BlendOverIn(dst, WholeOf(dst), x, y, src, constantAlpha);
}

// Most pixels of a face are opaque or transparent and take the quick ways out of
// BlendOverPixel; vectorised by the compiler, every pixel would pay for the full blend.
__attribute__((optimize("no-tree-vectorize")))
void BlendOverSpanPortable(uint32_t* dst, const uint32_t* src, int n, uint8_t constantAlpha) {
  for (int i = 0; i < n; ++i) dst[i] = BlendOverPixel(src[i], dst[i], constantAlpha);
}

BlendSpan FastestBlendSpan() {
#ifdef ORMEL_SSE2
  return BlendOverSpanSse2;
#else
  return BlendOverSpanPortable;
#endif
}

void BlendOverIn(TBitmap32& dst, const PixelRect& clip, int x, int y, const TBitmap32& src, uint8_t constantAlpha) {
  const PixelRect r = Intersection(Intersection(clip, WholeOf(dst)), {x, y, x + src.width, y + src.height});
  if (r.Empty() || constantAlpha == 0) return;
  const BlendSpan blend = FastestBlendSpan();
  for (int row = r.top; row < r.bottom; ++row) {
    blend(dst.Row(row) + r.left, src.Row(row - y) + (r.left - x), r.Width(), constantAlpha);
  }
}
