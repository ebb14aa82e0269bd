#pragma once
#include "image/bitmap32.h"

struct FloatPoint {
  float x = 0, y = 0;
};

// A layer that owns one bitmap and draws it rotated by `angle` degrees (positive turns
// counter-clockwise on screen) and enlarged by `scale` about `bitmapCenter`, placed at
// `position` on the face.
struct TRotLayer {
  TBitmap32 bitmap;
  float angle = 0;
  FloatPoint bitmapCenter;
  FloatPoint position;
  float scale = 1;  // the monitor's: a hand is turned and scaled from its bitmap in one pass
};
