#include "image/resample.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kRadius = 3;
constexpr int kWeightBits = 12;
constexpr int kCarryBits = 8;  // kept between the passes, so rounding happens once
constexpr int kFirstShift = kWeightBits - kCarryBits;
constexpr int kLastShift = kWeightBits + kCarryBits;

double Lanczos3(double x) {
  if (x == 0) return 1;
  if (std::fabs(x) >= kRadius) return 0;
  const double px = kPi * x;
  return kRadius * std::sin(px) * std::sin(px / kRadius) / (px * px);
}

// The taps of every output position along one axis: taps[offsets[i] .. offsets[i + 1]) start at
// source index firsts[i]. The weights of each position sum to exactly 1 << kWeightBits.
struct AxisTaps {
  std::vector<int> firsts, offsets;
  std::vector<int32_t> weights;

  AxisTaps(int from, int to) {
    const double scale = static_cast<double>(to) / from;
    const double stretch = std::min(1.0, scale);  // a shrink widens the kernel
    const double support = kRadius / stretch;
    offsets.push_back(0);
    std::vector<double> exact;
    for (int i = 0; i < to; ++i) {
      const double centre = (i + 0.5) / scale - 0.5;
      const int first = std::max(0, static_cast<int>(std::floor(centre - support)) + 1);
      const int last = std::min(from - 1, static_cast<int>(std::ceil(centre + support)) - 1);
      exact.clear();
      double sum = 0;
      for (int k = first; k <= last; ++k) sum += exact.emplace_back(Lanczos3((k - centre) * stretch));
      const size_t start = weights.size();
      int total = 0;
      for (double w : exact) total += weights.emplace_back(static_cast<int32_t>(std::lround(w / sum * (1 << kWeightBits))));
      const auto biggest = std::max_element(weights.begin() + start, weights.end());
      *biggest += (1 << kWeightBits) - total;  // rounding leftovers go to the centre tap
      firsts.push_back(first);
      offsets.push_back(static_cast<int>(weights.size()));
    }
  }
};

struct Channels {
  int32_t a = 0, r = 0, g = 0, b = 0;
};

uint32_t Clamp(int32_t sum, uint32_t limit) {
  const int32_t v = (sum + (1 << (kLastShift - 1))) >> kLastShift;
  return static_cast<uint32_t>(std::clamp<int32_t>(v, 0, static_cast<int32_t>(limit)));
}

}  // namespace

void ResampleLanczos3(const TBitmap32& source, int width, int height, TBitmap32& result) {
  if (source.Empty() || width <= 0 || height <= 0) {
    result.SetSize(std::max(width, 0), std::max(height, 0));
    result.Clear(0);
    return;
  }
  if (width == source.width && height == source.height) {
    result.SetSize(width, height);
    result.pixels = source.pixels;
    return;
  }
  const AxisTaps across(source.width, width), down(source.height, height);
  // Rows of the source resized across, channels carried with kCarryBits extra bits.
  std::vector<Channels> wide(static_cast<size_t>(width) * source.height);
  for (int y = 0; y < source.height; ++y) {
    const uint32_t* row = source.Row(y);
    Channels* out = &wide[static_cast<size_t>(y) * width];
    for (int x = 0; x < width; ++x) {
      const int32_t* w = &across.weights[across.offsets[x]];
      const int count = across.offsets[x + 1] - across.offsets[x];
      const uint32_t* p = row + across.firsts[x];
      Channels sum;
      for (int k = 0; k < count; ++k) {
        sum.a += static_cast<int32_t>(AlphaOf(p[k])) * w[k];
        sum.r += static_cast<int32_t>(RedOf(p[k])) * w[k];
        sum.g += static_cast<int32_t>(GreenOf(p[k])) * w[k];
        sum.b += static_cast<int32_t>(BlueOf(p[k])) * w[k];
      }
      out[x] = {sum.a >> kFirstShift, sum.r >> kFirstShift, sum.g >> kFirstShift, sum.b >> kFirstShift};
    }
  }
  result.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    const int32_t* w = &down.weights[down.offsets[y]];
    const int count = down.offsets[y + 1] - down.offsets[y];
    uint32_t* out = result.Row(y);
    for (int x = 0; x < width; ++x) {
      const Channels* column = &wide[static_cast<size_t>(down.firsts[y]) * width + x];
      Channels sum;
      for (int k = 0; k < count; ++k) {
        const Channels& c = column[static_cast<size_t>(k) * width];
        sum.a += c.a * w[k];
        sum.r += c.r * w[k];
        sum.g += c.g * w[k];
        sum.b += c.b * w[k];
      }
      // The kernel's negative lobes can overshoot; premultiplied colour never exceeds alpha.
      const uint32_t alpha = Clamp(sum.a, 255);
      out[x] = Argb(alpha, Clamp(sum.r, alpha), Clamp(sum.g, alpha), Clamp(sum.b, alpha));
    }
  }
}
