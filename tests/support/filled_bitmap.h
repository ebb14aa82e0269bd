#pragma once
#include "image/bitmap32.h"

// A w x h bitmap with every pixel set to `pixel` (0xAARRGGBB).
inline TBitmap32 Filled(int w, int h, uint32_t pixel) {
  TBitmap32 b;
  b.SetSize(w, h);
  b.Clear(pixel);
  return b;
}
