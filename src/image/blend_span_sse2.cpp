#ifdef ORMEL_SSE2
#include "image/blend_sse2.h"
#include "image/blend_span.h"

namespace {

using namespace blend_sse2;

void BlendFour(uint32_t* dst, const uint32_t* src, const ConstantAlpha& c) {
  const __m128i s = Load(src);
  if (AllZero(s)) return;  // most of the glass and of a label: the destination is not touched
  Store(dst, BlendOver4(s, Load(dst), c));
}

}  // namespace

void BlendOverSpanSse2(uint32_t* dst, const uint32_t* src, int n, uint8_t constantAlpha) {
  const ConstantAlpha c(constantAlpha);
  int i = 0;
  for (; i + 4 <= n; i += 4) BlendFour(dst + i, src + i, c);
  if (i == n) return;
  const Padded4 s(src + i, n - i);
  Padded4 d(dst + i, n - i);
  BlendFour(d.px, s.px, c);
  d.CopyTo(dst + i, n - i);
}
#endif
