#include "skin/rot_layer_paint.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "image/merge.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kRadius = 3;
constexpr int kTaps = 2 * kRadius;  // pixels floor(u) - 2 .. floor(u) + 3
constexpr int kPhaseBits = 8;       // 1/256 pixel: within ±1 of the exact kernel at hard edges
constexpr int kPhases = 1 << kPhaseBits;
constexpr int kFracBits = 16;       // sample coordinates in 16.16 fixed point
constexpr int kWeightBits = 12;     // the taps of every phase sum to exactly 4096
constexpr int kRowShift = 4;        // row sums drop 4 bits so the column sum fits 32 bits
constexpr int kSumShift = 2 * kWeightBits - kRowShift;

double Sinc(double x) {
  if (x == 0) return 1;
  const double px = kPi * x;
  return std::sin(px) / px;
}

double Lanczos3(double x) { return std::fabs(x) < kRadius ? Sinc(x) * Sinc(x / kRadius) : 0; }

// Tap weights for every sub-pixel phase, normalised so a flat image stays flat.
struct KernelTable {
  std::array<std::array<int32_t, kTaps>, kPhases> w{};

  KernelTable() {
    for (int p = 0; p < kPhases; ++p) {
      const double f = static_cast<double>(p) / kPhases;
      double exact[kTaps];
      double sum = 0;
      for (int k = 0; k < kTaps; ++k) sum += exact[k] = Lanczos3(f + (kRadius - 1) - k);
      int total = 0, biggest = 0;
      for (int k = 0; k < kTaps; ++k) {
        w[p][k] = static_cast<int32_t>(std::lround(exact[k] / sum * (1 << kWeightBits)));
        total += w[p][k];
        if (w[p][k] > w[p][biggest]) biggest = k;
      }
      w[p][biggest] += (1 << kWeightBits) - total;  // rounding leftovers go to the centre tap
    }
  }
};

const KernelTable& Kernel() {
  static const KernelTable table;
  return table;
}

int32_t ToFixed(double v) { return static_cast<int32_t>(std::llround(v * (1 << kFracBits))); }

inline uint32_t ClampChannel(int32_t acc, uint32_t limit) {
  const int32_t v = (acc + (1 << (kSumShift - 1))) >> kSumShift;
  return static_cast<uint32_t>(std::clamp<int32_t>(v, 0, static_cast<int32_t>(limit)));
}

// The premultiplied sample at 16.16 position (u, v); taps outside the bitmap add nothing.
uint32_t SampleLanczos(const TBitmap32& src, const KernelTable& kernel, int32_t u, int32_t v) {
  // Round to the nearest phase; the whole pixel follows from the same rounded position.
  u += 1 << (kFracBits - kPhaseBits - 1);
  v += 1 << (kFracBits - kPhaseBits - 1);
  const int iu = (u >> kFracBits) - (kRadius - 1);
  const int iv = (v >> kFracBits) - (kRadius - 1);
  const int32_t* wx = kernel.w[(u >> (kFracBits - kPhaseBits)) & (kPhases - 1)].data();
  const int32_t* wy = kernel.w[(v >> (kFracBits - kPhaseBits)) & (kPhases - 1)].data();
  const int kx0 = std::max(0, -iu), kx1 = std::min(kTaps, src.width - iu);
  const int ky0 = std::max(0, -iv), ky1 = std::min(kTaps, src.height - iv);
  int32_t a = 0, r = 0, g = 0, b = 0;
  for (int ky = ky0; ky < ky1; ++ky) {
    const uint32_t* row = src.Row(iv + ky);
    int32_t ra = 0, rr = 0, rg = 0, rb = 0;
    for (int kx = kx0; kx < kx1; ++kx) {
      const uint32_t p = row[iu + kx];
      const int32_t w = wx[kx];
      ra += static_cast<int32_t>(p >> 24) * w;
      rr += static_cast<int32_t>((p >> 16) & 0xFF) * w;
      rg += static_cast<int32_t>((p >> 8) & 0xFF) * w;
      rb += static_cast<int32_t>(p & 0xFF) * w;
    }
    const int32_t h = wy[ky];
    a += (ra >> kRowShift) * h;
    r += (rr >> kRowShift) * h;
    g += (rg >> kRowShift) * h;
    b += (rb >> kRowShift) * h;
  }
  // The kernel's negative lobes can overshoot; premultiplied colour never exceeds alpha.
  const uint32_t alpha = ClampChannel(a, 255);
  return Argb(alpha, ClampChannel(r, alpha), ClampChannel(g, alpha), ClampChannel(b, alpha));
}

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

void PaintRotLayer(const TRotLayer& layer, TBitmap32& target) {
  const PixelBox box = PaintBox(layer, target);
  if (box.Empty()) return;
  const TBitmap32& src = layer.bitmap;
  const AffineMap inv = LayerTransform(layer).Inverse();
  const KernelTable& kernel = Kernel();
  // Only where some tap can reach the bitmap: u in (-3, width + 2), v in (-3, height + 2).
  const double uLo = -kRadius, uHi = src.width - 1 + kRadius;
  const double vLo = -kRadius, vHi = src.height - 1 + kRadius;
  const int32_t du = ToFixed(inv.m11), dv = ToFixed(inv.m21);
  for (int y = box.top; y < box.bottom; ++y) {
    const double u0 = inv.m12 * y + inv.dx, v0 = inv.m22 * y + inv.dy;
    int first = box.left, last = box.right - 1;
    ClipSpan(u0, inv.m11, uLo, uHi, first, last);
    ClipSpan(v0, inv.m21, vLo, vHi, first, last);
    if (first > last) continue;
    int32_t u = ToFixed(u0 + inv.m11 * first), v = ToFixed(v0 + inv.m21 * first);
    uint32_t* row = target.Row(y);
    for (int x = first; x <= last; ++x, u += du, v += dv) {
      const uint32_t sample = SampleLanczos(src, kernel, u, v);
      if (sample != 0) row[x] = MergePixel(sample, row[x]);
    }
  }
}
