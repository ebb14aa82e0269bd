#include "skin/rot_layer_paint_taps.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

double Sinc(double x) {
  if (x == 0) return 1;
  const double px = kPi * x;
  return std::sin(px) / px;
}

double Lanczos3(double x) { return std::fabs(x) < kRadius ? Sinc(x) * Sinc(x / kRadius) : 0; }

// Tap weights for every sub-pixel phase, normalised so a flat image stays flat.
LanczosTaps MakeTaps() {
  LanczosTaps taps;
  for (int p = 0; p < kPhases; ++p) {
    int16_t* w = taps.weights[p].data() + kWeightPad;
    const double f = static_cast<double>(p) / kPhases;
    double exact[kTaps];
    double sum = 0;
    for (int k = 0; k < kTaps; ++k) sum += exact[k] = Lanczos3(f + (kRadius - 1) - k);
    int total = 0, biggest = 0;
    for (int k = 0; k < kTaps; ++k) {
      w[k] = static_cast<int16_t>(std::lround(exact[k] / sum * (1 << kWeightBits)));
      total += w[k];
      if (w[k] > w[biggest]) biggest = k;
    }
    // Rounding leftovers go to the centre tap.
    w[biggest] = static_cast<int16_t>(w[biggest] + (1 << kWeightBits) - total);
  }
  return taps;
}

}  // namespace

const LanczosTaps& Taps() {
  static const LanczosTaps taps = MakeTaps();
  return taps;
}
