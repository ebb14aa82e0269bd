#include "skin/standin_frame.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSize = 192;
constexpr float kPi = 3.14159265f;

struct Hand {
  float angle, length, halfWidth;
  uint32_t r, g, b;
};

float Coverage(float distanceInside) { return std::clamp(distanceInside + 0.5f, 0.0f, 1.0f); }

// Source-over of a straight colour with coverage onto a premultiplied pixel.
uint32_t Over(uint32_t dst, uint32_t r, uint32_t g, uint32_t b, float cover) {
  const uint32_t a = static_cast<uint32_t>(cover * 255.0f + 0.5f);
  const uint32_t inv = 255 - a;
  return Argb(a + AlphaOf(dst) * inv / 255, r * a / 255 + RedOf(dst) * inv / 255,
              g * a / 255 + GreenOf(dst) * inv / 255, b * a / 255 + BlueOf(dst) * inv / 255);
}

float SegmentDistance(float px, float py, float ex, float ey) {
  const float len2 = ex * ex + ey * ey;
  const float t = len2 > 0 ? std::clamp((px * ex + py * ey) / len2, 0.0f, 1.0f) : 0.0f;
  return std::hypot(px - t * ex, py - t * ey);
}

}  // namespace

void DrawStandInFrame(TBitmap32& frame, const HandAngles& hands) {
  frame.SetSize(kSize, kSize);
  const float c = kSize / 2.0f, radius = c - 4;
  // Angles turn counter-clockwise on screen; 0 points at 12 o'clock.
  const Hand list[] = {{hands.hour, 48, 3.0f, 230, 220, 200},
                       {hands.minute, 70, 2.0f, 230, 220, 200},
                       {hands.second, 78, 0.8f, 220, 60, 50}};
  for (int y = 0; y < kSize; ++y) {
    uint32_t* row = frame.Row(y);
    for (int x = 0; x < kSize; ++x) {
      const float px = x + 0.5f - c, py = y + 0.5f - c;
      uint32_t p = Over(0, 40, 44, 60, Coverage(radius - std::hypot(px, py)) * 0.85f);
      for (const Hand& h : list) {
        const float a = h.angle * kPi / 180.0f;
        p = Over(p, h.r, h.g, h.b,
                 Coverage(h.halfWidth - SegmentDistance(px, py, -std::sin(a) * h.length, -std::cos(a) * h.length)));
      }
      row[x] = p;
    }
  }
}
