// The span painter in SSE2: a row of six taps is three pmaddwd of 16-bit channels against
// pairs of weights, and the column one pmaddwd per row. Its integer sums equal the portable
// painter's, so it gives the same pixels.
#ifdef ORMEL_SSE2
#include <emmintrin.h>

#include <algorithm>
#include <cstddef>

#include "skin/rot_layer_paint_span.h"
#include "skin/rot_layer_paint_taps.h"

namespace {

// SSE2 has no 32-bit multiply, so a shifted row sum s times a row weight h goes through
// pmaddwd as (s & 3)·h + (s >> 2)·4h: s >> 2 fits 16 bits (|s| < 2^17), and so does 4h
// (|h| <= 4096). Each holds h and 4h as its two 16-bit halves, spread over the four lanes
// where it is used: kept as 32 bits, the table is a quarter of the memory that a frame's
// samples read from cold caches.
struct RowWeights {
  int32_t w[kPhases][kTaps];
  RowWeights() {
    const LanczosTaps& taps = Taps();
    for (int p = 0; p < kPhases; ++p) {
      for (int k = 0; k < kTaps; ++k) {
        const int32_t h = taps.weights[p][kWeightPad + k];
        const uint32_t pair = (static_cast<uint32_t>(h) & 0xFFFF) | (static_cast<uint32_t>(4 * h) << 16);
        w[p][k] = static_cast<int32_t>(pair);
      }
    }
  }
};

const RowWeights& RowWeightTable() {
  static const RowWeights table;
  return table;
}

// Σ p·w over the six pixels from px, lanes blue, green, red, alpha. Each weight pair (w0 w1,
// w2 w3, w4 w5) fills the four lanes of its vector as two 16-bit halves; the pixels are
// paired to match (b0 b1 g0 g1 r0 r1 a0 a1), so one pmaddwd adds p0·w0 + p1·w1 per channel.
inline __m128i RowSum(__m128i p0123, __m128i p1234, __m128i p45, __m128i w01, __m128i w23, __m128i w45) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i pairs01 = _mm_unpacklo_epi8(p0123, p1234);  // p0 with p1, p1 with p2
  const __m128i pairs23 = _mm_unpackhi_epi8(p0123, p1234);  // p2 with p3, p3 with p4
  const __m128i pairs45 = _mm_unpacklo_epi8(p45, _mm_srli_si128(p45, 4));
  __m128i sum = _mm_madd_epi16(_mm_unpacklo_epi8(pairs01, zero), w01);
  sum = _mm_add_epi32(sum, _mm_madd_epi16(_mm_unpacklo_epi8(pairs23, zero), w23));
  return _mm_add_epi32(sum, _mm_madd_epi16(_mm_unpacklo_epi8(pairs45, zero), w45));
}

// The bitmap must be at least six pixels wide: near its left and right edges the six pixels
// read are the row's first or last six, with the weights shifted to match and zero for the
// taps beyond the edge.
uint32_t Sample(const TBitmap32& src, const LanczosTaps& taps, const RowWeights& rowWeights, int32_t u,
                int32_t v) {
  const TapWindow t = TapsAt(src, taps, u, v);
  if (t.Empty()) return 0;
  const int left = std::clamp(t.iu, 0, src.width - kTaps);
  const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t.wx + (left - t.iu)));
  const __m128i w01 = _mm_shuffle_epi32(w, _MM_SHUFFLE(0, 0, 0, 0));
  const __m128i w23 = _mm_shuffle_epi32(w, _MM_SHUFFLE(1, 1, 1, 1));
  const __m128i w45 = _mm_shuffle_epi32(w, _MM_SHUFFLE(2, 2, 2, 2));
  const int32_t* h = rowWeights.w[t.phaseV];
  const __m128i zero = _mm_setzero_si128();
  // Pixels whose weight is zero (those beyond the taps, in a window moved back inside) add
  // nothing, so they do not count when a row is tested for transparency.
  const __m128i weightless = _mm_cmpeq_epi16(w, zero);
  const __m128i weightless0123 = _mm_unpacklo_epi16(weightless, weightless);
  const __m128i weightless45 = _mm_unpackhi_epi16(weightless, weightless);
  const __m128i low2 = _mm_set1_epi32(3), high16 = _mm_set1_epi32(static_cast<int>(0xFFFF0000u));
  __m128i acc = zero;
  size_t at = static_cast<size_t>(t.iv + t.ky0) * src.width + left;
  for (int ky = t.ky0; ky < t.ky1; ++ky, at += src.width) {
    const uint32_t* px = src.pixels.data() + at;
    const __m128i p0123 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(px));
    const __m128i p1234 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(px + 1));
    const __m128i p45 = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(px + 4));
    // Most of a hand is transparent.
    const __m128i seen =
        _mm_or_si128(_mm_andnot_si128(weightless0123, p0123), _mm_andnot_si128(weightless45, p45));
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(seen, zero)) == 0xFFFF) continue;
    const __m128i r = RowSum(p0123, p1234, p45, w01, w23, w45);
    // s = r >> 4 split for pmaddwd: s & 3 in the low half, s >> 2 in the high one.
    const __m128i split = _mm_or_si128(_mm_and_si128(_mm_srli_epi32(r, kRowShift), low2),
                                       _mm_and_si128(_mm_slli_epi32(r, 16 - kRowShift - 2), high16));
    acc = _mm_add_epi32(acc, _mm_madd_epi16(split, _mm_set1_epi32(h[ky])));
  }
  // Rounded back to 8 bits (small enough for 16-bit lanes); alpha to [0, 255], and, as the
  // kernel's negative lobes can overshoot, colour to [0, alpha].
  const __m128i bgra = _mm_srai_epi32(_mm_add_epi32(acc, _mm_set1_epi32(1 << (kSumShift - 1))), kSumShift);
  const __m128i packed = _mm_packs_epi32(bgra, bgra);
  const __m128i alpha = _mm_max_epi16(_mm_min_epi16(_mm_shufflelo_epi16(packed, _MM_SHUFFLE(3, 3, 3, 3)),
                                                    _mm_set1_epi16(255)),
                                      zero);
  const __m128i clamped = _mm_max_epi16(_mm_min_epi16(packed, alpha), zero);
  return static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(clamped, clamped)));
}

}  // namespace

void PaintSpanSse2(const TBitmap32& hand, HandSpan span, uint32_t* out) {
  if (hand.width < kTaps) return PaintSpanPortable(hand, span, out);
  const LanczosTaps& taps = Taps();
  const RowWeights& rowWeights = RowWeightTable();
  MergeSpan(span, out, [&](int32_t u, int32_t v) { return Sample(hand, taps, rowWeights, u, v); });
}
#endif
