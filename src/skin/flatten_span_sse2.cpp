#ifdef ORMEL_SSE2
#include "image/blend_sse2.h"
#include "skin/flatten_span.h"

namespace {

using namespace blend_sse2;

void FlattenFour(const FlattenRow& row, int x, const ConstantAlpha& c) {
  const __m128i o = Load(row.overlay + x);
  const __m128i face = Load(row.face + x);
  const __m128i faceAlone = c.value == 255 ? face : BlendOver4(face, _mm_setzero_si128(), c);
  // A transparent overlay leaves what is under it, as its blend would.
  const __m128i under = AllZero(o) ? faceAlone : BlendOver4(o, faceAlone, c);
  Store(row.frame + x, BlendOver4(Load(row.glass + x), under, c));
}

}  // namespace

void FlattenSpanSse2(const FlattenRow& row, int n, uint8_t constantAlpha) {
  const ConstantAlpha c(constantAlpha);
  int x = 0;
  for (; x + 4 <= n; x += 4) FlattenFour(row, x, c);
  if (x == n) return;
  const int rest = n - x;
  const Padded4 overlay(row.overlay + x, rest), face(row.face + x, rest), glass(row.glass + x, rest);
  Padded4 frame;
  FlattenFour({overlay.px, face.px, glass.px, frame.px}, 0, c);
  frame.CopyTo(row.frame + x, rest);
}
#endif
