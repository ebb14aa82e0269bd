#include "image/merge.h"

#include <algorithm>

namespace {

// B + (F - B) * w / 255 with the magnitude of the change rounded.
inline uint32_t MergeChannel(uint32_t f, uint32_t b, uint32_t w) {
  if (f >= b) return b + ((f - b) * w + 127) / 255;
  return b - ((b - f) * w + 127) / 255;
}

// Worked out per pixel rather than looked up: only a hand's and a frame's soft edges come
// here, a few hundred pixels a second, and tables of every pair of alphas (128 KiB) are cold
// each time the clock wakes to draw them.
inline uint32_t MergeWith(uint32_t f, uint32_t b) {
  const uint32_t fa = f >> 24;
  const uint32_t ba = b >> 24;
  if (fa == 255 || ba == 0) return f;
  if (fa == 0) return b;
  const uint32_t ra = fa + ba - (fa * ba + 127) / 255;
  const uint32_t w = (255 * fa + ra / 2) / ra;
  return Argb(ra, MergeChannel(RedOf(f), RedOf(b), w), MergeChannel(GreenOf(f), GreenOf(b), w),
              MergeChannel(BlueOf(f), BlueOf(b), w));
}

}  // namespace

uint32_t MergePixel(uint32_t f, uint32_t b) { return MergeWith(f, b); }

void MergeRect(TBitmap32& dst, int dx, int dy, const TBitmap32& src, int sx, int sy, int w, int h) {
  // Clip against the source first, then against the target, shifting both origins together.
  const int left = std::max({0, -sx, -dx});
  const int top = std::max({0, -sy, -dy});
  const int right = std::min({w, src.width - sx, dst.width - dx});
  const int bottom = std::min({h, src.height - sy, dst.height - dy});
  if (left >= right || top >= bottom) return;
  for (int y = top; y < bottom; ++y) {
    const uint32_t* s = src.Row(sy + y) + sx;
    uint32_t* d = dst.Row(dy + y) + dx;
    for (int x = left; x < right; ++x) d[x] = MergeWith(s[x], d[x]);
  }
}

void MergeSamples(uint32_t* dst, const uint32_t* samples, int n) {
  for (int i = 0; i < n; ++i) {
    if (samples[i] != 0) dst[i] = MergeWith(samples[i], dst[i]);
  }
}
