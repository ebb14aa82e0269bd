#include "support/tricky_pixels.h"

#include <algorithm>
#include <random>

#include "image/bitmap32.h"

std::vector<uint32_t> TrickyPixels() {
  std::vector<uint32_t> pixels;
  for (uint32_t a = 0; a < 256; ++a) {
    pixels.push_back(Argb(a, a, a, a));
    pixels.push_back(Argb(a, a / 2, a / 3, 0));
    pixels.push_back(Argb(a, 255, std::min(255u, a + 1), 128));
  }
  constexpr int kRun = 9;
  for (int i = 0; i < kRun; ++i) pixels.push_back(0);
  for (int i = 0; i < kRun; ++i) pixels.push_back(Argb(255, 20 * i, 255 - 20 * i, 7 * i));
  for (int i = 0; i < kRun; ++i) pixels.push_back(i == kRun / 2 ? 0xFF102030u : 0);
  for (int i = 0; i < kRun; ++i) pixels.push_back(i % 2 ? 0xFFFFFFFFu : 0);
  for (int i = 0; i < kRun; ++i) pixels.push_back(i % 3 ? 0xFF000000u : 0x80808080u);
  return pixels;
}

std::vector<uint32_t> TrickyPixelsShuffled(unsigned seed) {
  std::vector<uint32_t> pixels = TrickyPixels();
  std::shuffle(pixels.begin(), pixels.end(), std::mt19937(seed));
  return pixels;
}
