#pragma once
#include <algorithm>

#include "image/bitmap32.h"

// Pixels [left, right) × [top, bottom) of a bitmap; empty when right <= left or bottom <= top.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;

  bool Empty() const { return right <= left || bottom <= top; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const PixelRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const PixelRect& o) const { return !(*this == o); }
};

inline PixelRect WholeOf(const TBitmap32& b) { return {0, 0, b.width, b.height}; }

inline PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// The smallest rectangle holding both; an empty one adds nothing.
inline PixelRect Bounds(const PixelRect& a, const PixelRect& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}
