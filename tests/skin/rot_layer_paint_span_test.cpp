#include "skin/rot_layer_paint_span.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "skin/rot_layer_paint.h"

namespace {

// Random premultiplied pixels inside a tapering hand shape, transparent around it and in a
// quarter of the pixels within, the way hands are mostly empty.
TBitmap32 TaperedHand(int w, int h, unsigned seed) {
  std::mt19937 rng(seed);  // 32-bit values
  TBitmap32 bmp;
  bmp.SetSize(w, h);
  for (int y = 0; y < h; ++y) {
    const double half = 0.5 + 0.45 * w * (y + 1) / h;
    for (int x = 0; x < w; ++x) {
      const bool inside = std::abs(x + 0.5 - w / 2.0) < half && y >= h / 10;
      const uint32_t a = !inside || rng() % 4 == 0 ? 0 : rng() % 3 == 0 ? 255 : rng() % 256;
      bmp.At(x, y) = Argb(a, rng() % (a + 1), rng() % (a + 1), rng() % (a + 1));
    }
  }
  return bmp;
}

// A face with transparent, opaque and half-covered pixels, so every branch of the merge runs.
TBitmap32 Background(int w, int h) {
  std::mt19937 rng(99);
  TBitmap32 bmp;
  bmp.SetSize(w, h);
  for (uint32_t& p : bmp.pixels) {
    const uint32_t kinds[] = {0, 0xFF000000u | static_cast<uint32_t>(rng() & 0xFFFFFF),
                             static_cast<uint32_t>(rng())};
    p = kinds[rng() % 3];
  }
  return bmp;
}

uint64_t Fnv1a(uint64_t hash, const TBitmap32& bmp) {
  for (uint32_t p : bmp.pixels) {
    for (int shift = 0; shift < 32; shift += 8) hash = (hash ^ ((p >> shift) & 0xFF)) * 0x100000001b3ull;
  }
  return hash;
}

struct Sweep {
  const char* what;
  int width, height;
  FloatPoint centre, position;
  int face;
  uint64_t checksum;  // of every frame of the sweep, as the plain sampler painted them
};

// Hands of widths 1 to 11, odd sizes, fractional pivots, partly off the face, painted at
// every half degree.
const Sweep kSweeps[] = {
    {"1 wide", 1, 9, {0, 4}, {20, 20}, 40, 0x550889a98e69956dull},
    {"2 wide, fractional pivot", 2, 13, {0.5f, 11.25f}, {19.5f, 20.75f}, 40, 0x0c36149c9df2e799ull},
    {"one row", 3, 1, {1, 0}, {20, 20}, 40, 0xebb828aa786ffb77ull},
    {"off the left", 4, 17, {1.75f, 15}, {3, 20}, 40, 0x6bc727602b91ee00ull},
    {"off the bottom right", 5, 21, {2, 18.5f}, {36.3f, 37.9f}, 40, 0x94a1a6cedcf639beull},
    {"6 wide", 6, 25, {3, 21}, {20, 20}, 40, 0x420abef07675faa2ull},
    {"7 wide, off the top", 7, 31, {3.5f, 27.5f}, {20.25f, 1.5f}, 40, 0xa3c16d5c825c5657ull},
    {"minute hand", 10, 80, {5, 66}, {96, 96}, 192, 0x6ef6b7b4e2de6070ull},
    {"off a corner", 11, 45, {5, 38}, {2, 3}, 64, 0x05770e053ed65904ull},
};

}  // namespace

// The painters this build has beside the portable one, and PaintRotLayer's own choice.
std::vector<std::pair<const char*, SpanPainter>> OtherPainters() {
  std::vector<std::pair<const char*, SpanPainter>> painters{{"default", nullptr}};
#ifdef ORMEL_SSE2
  painters.emplace_back("SSE2", PaintSpanSse2);
#endif
  return painters;
}

void Paint(const TRotLayer& layer, TBitmap32& target, SpanPainter painter) {
  if (painter == nullptr) return PaintRotLayer(layer, target);
  PaintRotLayerWith(layer, target, painter);
}

TEST(RotLayerPaintSpan, EveryPainterGivesTheKnownPixelsAtEveryHalfDegree) {
  for (const Sweep& s : kSweeps) {
    SCOPED_TRACE(s.what);
    TRotLayer layer;
    layer.bitmap = TaperedHand(s.width, s.height, s.width * 1000 + s.height);
    layer.bitmapCenter = s.centre;
    layer.position = s.position;
    const TBitmap32 background = Background(s.face, s.face);
    TBitmap32 portable, other;
    uint64_t hash = 0xcbf29ce484222325ull;
    for (int step = -360; step < 360; ++step) {
      layer.angle = step * 0.5f;
      portable = background;
      PaintRotLayerWith(layer, portable, PaintSpanPortable);
      hash = Fnv1a(hash, portable);
      for (const auto& [name, painter] : OtherPainters()) {
        other = background;
        Paint(layer, other, painter);
        const auto differs = std::mismatch(other.pixels.begin(), other.pixels.end(), portable.pixels.begin());
        const size_t i = differs.first - other.pixels.begin();
        ASSERT_TRUE(differs.first == other.pixels.end())
            << name << " at " << layer.angle << " degrees, pixel " << i % s.face << "," << i / s.face << ": "
            << std::hex << *differs.first << " instead of " << *differs.second;
      }
    }
    EXPECT_EQ(hash, s.checksum);
  }
}
