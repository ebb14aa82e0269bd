#pragma once
// BlendOverPixel four pixels at a time, for the *_sse2.cpp files alone. Its integer sums and
// their rounding are BlendOverPixel's, so it gives the same pixels.
#ifdef ORMEL_SSE2
#include <emmintrin.h>

#include <cstdint>

namespace blend_sse2 {

inline __m128i Load(const uint32_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline void Store(uint32_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

inline bool AllZero(__m128i v) {
  return _mm_movemask_epi8(_mm_cmpeq_epi32(v, _mm_setzero_si128())) == 0xFFFF;
}
inline bool AllOpaque(__m128i v) {
  return (_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi32(-1))) & 0x8888) == 0x8888;
}

// The constant alpha, and in the low half of each 32-bit lane for pmaddwd.
struct ConstantAlpha {
  explicit ConstantAlpha(uint8_t c) : value(c), lanes(_mm_set1_epi32(c)) {}
  uint8_t value;
  __m128i lanes;
};

// Div255 in each 32-bit lane.
inline __m128i Div255(__m128i v) {
  v = _mm_add_epi32(v, _mm_set1_epi32(128));
  return _mm_srli_epi32(_mm_add_epi32(v, _mm_srli_epi32(v, 8)), 8);
}

// s over d through the whole rule for each of the four: keep = 255 − Div255(Sa·C), then per
// channel Div255(s·C + d·keep), one pmaddwd per pixel of its interleaved 16-bit (s, d)
// channels against (C, keep).
inline __m128i BlendOver4Full(__m128i s, __m128i d, __m128i c) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i keep = _mm_sub_epi32(_mm_set1_epi32(255), Div255(_mm_madd_epi16(_mm_srli_epi32(s, 24), c)));
  const __m128i weights = _mm_or_si128(c, _mm_slli_epi32(keep, 16));
  const __m128i s01 = _mm_unpacklo_epi8(s, zero), s23 = _mm_unpackhi_epi8(s, zero);
  const __m128i d01 = _mm_unpacklo_epi8(d, zero), d23 = _mm_unpackhi_epi8(d, zero);
  const __m128i p0 = Div255(_mm_madd_epi16(_mm_unpacklo_epi16(s01, d01), _mm_shuffle_epi32(weights, 0x00)));
  const __m128i p1 = Div255(_mm_madd_epi16(_mm_unpackhi_epi16(s01, d01), _mm_shuffle_epi32(weights, 0x55)));
  const __m128i p2 = Div255(_mm_madd_epi16(_mm_unpacklo_epi16(s23, d23), _mm_shuffle_epi32(weights, 0xAA)));
  const __m128i p3 = Div255(_mm_madd_epi16(_mm_unpackhi_epi16(s23, d23), _mm_shuffle_epi32(weights, 0xFF)));
  // Each channel is at most 510 (colour above its alpha): the signed pack keeps it, the
  // unsigned one caps it at 255.
  return _mm_packus_epi16(_mm_packs_epi32(p0, p1), _mm_packs_epi32(p2, p3));
}

// The same with BlendOverPixel's quick ways out, taken when all four take them.
inline __m128i BlendOver4(__m128i s, __m128i d, const ConstantAlpha& c) {
  if (AllZero(s)) return d;
  if (c.value == 255 && AllOpaque(s)) return s;
  return BlendOver4Full(s, d, c.lanes);
}

// The last one to three pixels of a row go through a group of four of their own, padded with
// transparent black. Copied one by one: std::copy built for SSE2 here could be the
// instantiation the whole program links, and memcpy is a call into the C library for each
// end of each row.
struct Padded4 {
  uint32_t px[4] = {};
  Padded4() = default;
  Padded4(const uint32_t* p, int n) { CopyUpTo3(p, px, n); }
  void CopyTo(uint32_t* p, int n) const { CopyUpTo3(px, p, n); }

 private:
  static void CopyUpTo3(const uint32_t* from, uint32_t* to, int n) {
    switch (n) {
      case 3: to[2] = from[2]; [[fallthrough]];
      case 2: to[1] = from[1]; [[fallthrough]];
      case 1: to[0] = from[0]; break;
      default: break;
    }
  }
};

}  // namespace blend_sse2
#endif
