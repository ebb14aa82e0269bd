#include "skin/flatten_span.h"

#include "image/blend.h"

void FlattenSpanPortable(const FlattenRow& row, int n, uint8_t constantAlpha) {
  for (int x = 0; x < n; ++x) {
    const uint32_t o = row.overlay[x];
    // At full alpha the face over transparent black is the face itself, and a transparent
    // overlay leaves what is under it.
    const uint32_t face = row.face[x];
    const uint32_t faceAlone = constantAlpha == 255 ? face : BlendOverPixel(face, 0, constantAlpha);
    const uint32_t under = o == 0 ? faceAlone : BlendOverPixel(o, faceAlone, constantAlpha);
    row.frame[x] = BlendOverPixel(row.glass[x], under, constantAlpha);
  }
}

FlattenSpan FastestFlattenSpan() {
#ifdef ORMEL_SSE2
  return FlattenSpanSse2;
#else
  return FlattenSpanPortable;
#endif
}
