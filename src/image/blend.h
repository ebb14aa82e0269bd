#pragma once
#include <algorithm>
#include <cstdint>

#include "image/bitmap32.h"
#include "image/pixel_rect.h"

namespace blend_detail {

// Rounded v / 255 for v up to 255 × 255 × 2.
inline uint32_t Div255(uint32_t v) {
  v += 128;
  return (v + (v >> 8)) >> 8;
}

// Two channels in the 32-bit lanes of a 64-bit word: bits 0-7 and 16-23 of v.
constexpr uint64_t kLanes = 0x000000FF000000FFull;
inline uint64_t Lanes(uint32_t v) { return (v & 0xFF) | (static_cast<uint64_t>(v & 0xFF0000) << 16); }

// Div255 in both lanes, then capped at 255. No lane carries into the other: each holds at
// most 255 × 255 × 2 + 128.
inline uint64_t Div255Capped(uint64_t v) {
  constexpr uint64_t kLow24 = 0x00FFFFFF00FFFFFFull;
  v += 0x0000008000000080ull;
  v = ((v + ((v >> 8) & kLow24)) >> 8) & kLow24;
  const uint64_t over = (v >> 8) & 0x0000000100000001ull;  // at most 510: bit 8 says above 255
  return (v | over * 0xFF) & kLanes;
}

}  // namespace blend_detail

// One pixel of BlendOver: premultiplied s over d with constant alpha c. Each channel is
// rounded once over the exact sum, which keeps it within ±1 of the formula; colour above its
// alpha (not really premultiplied) saturates like the platform does.
inline uint32_t BlendOverPixel(uint32_t s, uint32_t d, uint32_t c) {
  using namespace blend_detail;
  if (s == 0 || c == 0) return d;
  if (c == 255 && (s >> 24) == 255) return s;
  const uint64_t keep = 255 - Div255((s >> 24) * c);
  const uint64_t blueRed = Div255Capped(Lanes(s) * c + Lanes(d) * keep);
  const uint64_t greenAlpha = Div255Capped(Lanes(s >> 8) * c + Lanes(d >> 8) * keep);
  return static_cast<uint32_t>(blueRed | (blueRed >> 16) | (greenAlpha << 8) | (greenAlpha >> 8));
}

// The platform's premultiplied source-over blend: every channel of dst becomes
// src×C/255 + dst×(1 − Sa×C/255²), with C the constant alpha and Sa the source alpha.
// The source is placed with its top-left at (x, y); whatever falls outside dst is clipped.
void BlendOver(TBitmap32& dst, int x, int y, const TBitmap32& src, uint8_t constantAlpha);
// The same, touching only the pixels of dst inside `clip`.
void BlendOverIn(TBitmap32& dst, const PixelRect& clip, int x, int y, const TBitmap32& src, uint8_t constantAlpha);
