#include "skin/stretch_blend.h"

#include <algorithm>

#include "image/blend.h"
#include "skin/nearest_scale.h"

void BlendStretched(TBitmap32& dst, int w, int h, const TBitmap32& src, uint8_t constantAlpha) {
  if (src.Empty() || w <= 0 || h <= 0) return;
  if (src.width == w && src.height == h) {
    BlendOver(dst, 0, 0, src, constantAlpha);
    return;
  }
  // One stretched row at a time through a row bitmap kept for the life of the thread: its
  // buffer only ever grows, so frames allocate nothing once the widest face has been drawn.
  thread_local TBitmap32 row;
  const int cw = std::min(w, dst.width);
  row.SetSize(cw, 1);
  const NearestAxis columns(src.width, w), rows(src.height, h);
  for (int y = 0, ch = std::min(h, dst.height); y < ch; ++y) {
    ScaleRowNearest(src.Row(rows[y]), columns, row.Row(0), cw);
    BlendOver(dst, 0, y, row, constantAlpha);
  }
}
