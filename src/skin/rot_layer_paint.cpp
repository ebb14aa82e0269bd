#include "skin/rot_layer_paint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/round_half_away.h"
#include "skin/rot_layer_paint_span.h"
#include "skin/rot_layer_paint_taps.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

int32_t ToFixed(double v) { return static_cast<int32_t>(RoundHalfAway(v * (1 << kFracBits))); }

// Narrows [first, last] to the x where lo < base + x·step < hi.
void ClipSpan(double base, double step, double lo, double hi, int& first, int& last) {
  if (std::fabs(step) < 1e-9) {  // constant along the row (a quarter turn)
    if (base <= lo || base >= hi) last = first - 1;
    return;
  }
  double x0 = (lo - base) / step, x1 = (hi - base) / step;
  if (x0 > x1) std::swap(x0, x1);
  // Clamp before converting: a nearly flat step puts the ends far beyond int.
  x0 = std::clamp(std::floor(x0) + 1, double(first), double(last) + 1);
  x1 = std::clamp(std::ceil(x1) - 1, double(first) - 1, double(last));
  first = static_cast<int>(x0);
  last = static_cast<int>(x1);
}

}  // namespace

FloatPoint AffineMap::Apply(double x, double y) const {
  return {static_cast<float>(m11 * x + m12 * y + dx), static_cast<float>(m21 * x + m22 * y + dy)};
}

AffineMap AffineMap::Inverse() const {
  const double det = m11 * m22 - m12 * m21;
  AffineMap inv;
  inv.m11 = m22 / det;
  inv.m12 = -m12 / det;
  inv.m21 = -m21 / det;
  inv.m22 = m11 / det;
  inv.dx = -(inv.m11 * dx + inv.m12 * dy);
  inv.dy = -(inv.m21 * dx + inv.m22 * dy);
  return inv;
}

AffineMap LayerTransform(const TRotLayer& layer) {
  const double a = static_cast<double>(layer.angle) * kPi / 180.0;
  const double c = std::cos(a) * layer.scale, s = std::sin(a) * layer.scale;
  AffineMap m;
  m.m11 = c;
  m.m12 = s;
  m.m21 = -s;
  m.m22 = c;
  const double cx = layer.bitmapCenter.x, cy = layer.bitmapCenter.y;
  m.dx = layer.position.x - (c * cx + s * cy);
  m.dy = layer.position.y - (-s * cx + c * cy);
  return m;
}

PixelBox PaintBox(const TRotLayer& layer, const TBitmap32& target) {
  const TBitmap32& bmp = layer.bitmap;
  if (bmp.Empty() || target.Empty()) return {};
  const AffineMap m = LayerTransform(layer);
  // A skin's unparsable angle or position must not reach the integer conversions below.
  for (double v : {m.m11, m.m12, m.dx, m.dy}) {
    if (!std::isfinite(v)) return {};
  }
  // The bitmap's outer edges lie half a pixel beyond its first and last pixel centres.
  const double xs[2] = {-0.5, bmp.width - 0.5}, ys[2] = {-0.5, bmp.height - 0.5};
  double minX = HUGE_VAL, maxX = -HUGE_VAL, minY = HUGE_VAL, maxY = -HUGE_VAL;
  for (double x : xs) {
    for (double y : ys) {
      const double tx = m.m11 * x + m.m12 * y + m.dx, ty = m.m21 * x + m.m22 * y + m.dy;
      minX = std::min(minX, tx);
      maxX = std::max(maxX, tx);
      minY = std::min(minY, ty);
      maxY = std::max(maxY, ty);
    }
  }
  // Clip in floating point first: a layer placed far off the face must not overflow int.
  PixelBox box;
  box.left = static_cast<int>(std::ceil(std::clamp(minX, 0.0, double(target.width))));
  box.right = static_cast<int>(std::floor(std::clamp(maxX, -1.0, target.width - 1.0))) + 1;
  box.top = static_cast<int>(std::ceil(std::clamp(minY, 0.0, double(target.height))));
  box.bottom = static_cast<int>(std::floor(std::clamp(maxY, -1.0, target.height - 1.0))) + 1;
  return box;
}

namespace {

// Paints the box's spans; the box's top left pixel is at topLeft, its rows `stride` apart.
// Each row's run reached goes to `rows`, when given.
void PaintBoxRows(const TRotLayer& layer, const PixelBox& box, uint32_t* topLeft, size_t stride, SpanPainter paint,
                  PaintedRun* rows = nullptr) {
  const TBitmap32& src = layer.bitmap;
  const AffineMap inv = LayerTransform(layer).Inverse();
  // Only where some tap can reach the bitmap: u in (-3, width + 2), v in (-3, height + 2).
  const double uLo = -kRadius, uHi = src.width - 1 + kRadius;
  const double vLo = -kRadius, vHi = src.height - 1 + kRadius;
  const int32_t du = ToFixed(inv.m11), dv = ToFixed(inv.m21);
  for (int y = box.top; y < box.bottom; ++y) {
    const double u0 = inv.m12 * y + inv.dx, v0 = inv.m22 * y + inv.dy;
    int first = box.left, last = box.right - 1;
    ClipSpan(u0, inv.m11, uLo, uHi, first, last);
    ClipSpan(v0, inv.m21, vLo, vHi, first, last);
    if (rows) rows[y - box.top] = first > last ? PaintedRun{} : PaintedRun{first - box.left, last + 1 - box.left};
    if (first > last) continue;
    const int32_t u = ToFixed(u0 + inv.m11 * first), v = ToFixed(v0 + inv.m21 * first);
    uint32_t* row = topLeft + static_cast<size_t>(y - box.top) * stride;
    paint(src, HandSpan{u, v, du, dv, last - first + 1}, row + (first - box.left));
  }
}

}  // namespace

void PaintRotLayerWith(const TRotLayer& layer, TBitmap32& target, SpanPainter paint) {
  const PixelBox box = PaintBox(layer, target);
  if (box.Empty()) return;
  PaintBoxRows(layer, box, target.Row(box.top) + box.left, static_cast<size_t>(target.width), paint);
}

void PaintRotLayerInBox(const TRotLayer& layer, const PixelBox& box, uint32_t* pixels, PaintedRun* rows) {
  if (box.Empty()) return;
  PaintBoxRows(layer, box, pixels, static_cast<size_t>(box.right - box.left), FastestSpanPainter(), rows);
}

SpanPainter FastestSpanPainter() {
#ifdef ORMEL_SSE2
  return PaintSpanSse2;
#else
  return PaintSpanPortable;
#endif
}

void PaintRotLayer(const TRotLayer& layer, TBitmap32& target) {
  PaintRotLayerWith(layer, target, FastestSpanPainter());
}
