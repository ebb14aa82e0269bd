#pragma once
#include "image/bitmap32.h"

struct FloatPoint {
  float x = 0, y = 0;
};

// A layer that owns one bitmap and draws it rotated by `angle` degrees (positive turns
// counter-clockwise on screen) about `bitmapCenter`, placed at `position` on the face.
struct TRotLayer {
  TBitmap32 bitmap;
  float angle = 0;
  FloatPoint bitmapCenter;
  FloatPoint position;
};
