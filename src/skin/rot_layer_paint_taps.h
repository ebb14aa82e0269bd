#pragma once
#include <algorithm>
#include <array>
#include <cstdint>

#include "image/bitmap32.h"
#include "image/merge.h"
#include "skin/rot_layer_paint_span.h"

// The Lanczos-3 taps of the hand painters, in integers: sample positions in 16.16 fixed point,
// 12-bit weights for each 1/256 pixel phase. Every painter forms the same integer sums, so
// each gives the same pixels.

constexpr int kRadius = 3;
constexpr int kTaps = 2 * kRadius;  // pixels floor(u) - 2 .. floor(u) + 3
constexpr int kPhaseBits = 8;       // 1/256 pixel: within ±1 of the exact kernel at hard edges
constexpr int kPhases = 1 << kPhaseBits;
constexpr int kFracBits = 16;
constexpr int kWeightBits = 12;     // the taps of every phase sum to exactly 4096
constexpr int kRowShift = 4;        // row sums drop 4 bits so the column sum fits 32 bits
constexpr int kSumShift = 2 * kWeightBits - kRowShift;
// Each phase's weights stand between this many zeros on either side, so that a window of six
// pixels that slides back inside the bitmap at its edges can read its weights shifted along.
constexpr int kWeightPad = kTaps - 1;

constexpr int kPaddedWeights = kTaps + 2 * kWeightPad + 2;  // room to read eight at any shift

struct LanczosTaps {
  std::array<std::array<int16_t, kPaddedWeights>, kPhases> weights{};  // weights[p][kWeightPad + k]
};
const LanczosTaps& Taps();

// Where one sample's taps fall: the top-left tap pixel, the phases and weights of its columns
// and rows, and which of the six columns and rows lie inside the bitmap.
struct TapWindow {
  int iu, iv;
  int phaseU, phaseV;
  const int16_t* wx;  // padded: wx[k] for k in -kWeightPad .. kTaps - 1 + kWeightPad
  const int16_t* wy;
  int kx0, kx1, ky0, ky1;
  bool Empty() const { return kx0 >= kx1 || ky0 >= ky1; }
};

inline TapWindow TapsAt(const TBitmap32& src, const LanczosTaps& taps, int32_t u, int32_t v) {
  // Round to the nearest phase; the whole pixel follows from the same rounded position.
  u += 1 << (kFracBits - kPhaseBits - 1);
  v += 1 << (kFracBits - kPhaseBits - 1);
  TapWindow t;
  t.iu = (u >> kFracBits) - (kRadius - 1);
  t.iv = (v >> kFracBits) - (kRadius - 1);
  t.phaseU = (u >> (kFracBits - kPhaseBits)) & (kPhases - 1);
  t.phaseV = (v >> (kFracBits - kPhaseBits)) & (kPhases - 1);
  t.wx = taps.weights[t.phaseU].data() + kWeightPad;
  t.wy = taps.weights[t.phaseV].data() + kWeightPad;
  t.kx0 = std::max(0, -t.iu);
  t.kx1 = std::min(kTaps, src.width - t.iu);
  t.ky0 = std::max(0, -t.iv);
  t.ky1 = std::min(kTaps, src.height - t.iv);
  return t;
}

// A channel's column sum back to 8 bits, clamped to [0, limit].
inline int32_t ClampChannel(int32_t acc, int32_t limit) {
  const int32_t v = (acc + (1 << (kSumShift - 1))) >> kSumShift;
  return std::clamp<int32_t>(v, 0, limit);
}

// Samples each pixel of the span with sample(u, v) and merges what is not transparent.
template <typename SampleAt>
void MergeSpan(HandSpan span, uint32_t* out, SampleAt sample) {
  for (int i = 0; i < span.count; ++i, span.u += span.du, span.v += span.dv) {
    const uint32_t pixel = sample(span.u, span.v);
    if (pixel != 0) out[i] = MergePixel(pixel, out[i]);
  }
}
