#include "skin/rot_layer_paint_span.h"
#include "skin/rot_layer_paint_taps.h"

namespace {

// The premultiplied sample at 16.16 position (u, v); taps outside the bitmap add nothing.
uint32_t Sample(const TBitmap32& src, const LanczosTaps& taps, int32_t u, int32_t v) {
  const TapWindow t = TapsAt(src, taps, u, v);
  int32_t a = 0, r = 0, g = 0, b = 0;
  for (int ky = t.ky0; ky < t.ky1; ++ky) {
    const uint32_t* row = src.Row(t.iv + ky);
    uint32_t any = 0;
    for (int kx = t.kx0; kx < t.kx1; ++kx) any |= row[t.iu + kx];
    if (any == 0) continue;  // most of a hand is transparent
    int32_t ra = 0, rr = 0, rg = 0, rb = 0;
    for (int kx = t.kx0; kx < t.kx1; ++kx) {
      const uint32_t p = row[t.iu + kx];
      const int32_t w = t.wx[kx];
      ra += static_cast<int32_t>(p >> 24) * w;
      rr += static_cast<int32_t>((p >> 16) & 0xFF) * w;
      rg += static_cast<int32_t>((p >> 8) & 0xFF) * w;
      rb += static_cast<int32_t>(p & 0xFF) * w;
    }
    const int32_t h = t.wy[ky];
    a += (ra >> kRowShift) * h;
    r += (rr >> kRowShift) * h;
    g += (rg >> kRowShift) * h;
    b += (rb >> kRowShift) * h;
  }
  // The kernel's negative lobes can overshoot; premultiplied colour never exceeds alpha.
  const int32_t alpha = ClampChannel(a, 255);
  return Argb(alpha, ClampChannel(r, alpha), ClampChannel(g, alpha), ClampChannel(b, alpha));
}

}  // namespace

void PaintSpanPortable(const TBitmap32& hand, HandSpan span, uint32_t* out) {
  const LanczosTaps& taps = Taps();
  MergeSpan(span, out, [&](int32_t u, int32_t v) { return Sample(hand, taps, u, v); });
}
