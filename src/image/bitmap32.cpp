#include "image/bitmap32.h"

#include <algorithm>

void TBitmap32::SetSize(int w, int h) {
  width = std::max(w, 0);
  height = std::max(h, 0);
  pixels.resize(static_cast<size_t>(width) * height);
}

void TBitmap32::Clear(uint32_t color) { std::fill(pixels.begin(), pixels.end(), color); }

void TBitmap32::Free() {
  std::vector<uint32_t>().swap(pixels);
  width = height = 0;
}
