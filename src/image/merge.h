#pragma once
#include <cstdint>

#include "image/bitmap32.h"

// The merge rule that puts hands and button frames onto the overlay: colour is treated as
// straight (not premultiplied), master alpha 255. Opaque F wins, transparent F keeps B,
// transparent B takes F; otherwise the alphas combine and colour moves from B towards F by
// the weight F's alpha carries in the result.
uint32_t MergePixel(uint32_t f, uint32_t b);

// Merges the w x h rectangle of `src` at (sx, sy) onto `dst` at (dx, dy). The rectangle is
// clipped to both bitmaps, so any part outside either one is skipped.
void MergeRect(TBitmap32& dst, int dx, int dy, const TBitmap32& src, int sx, int sy, int w, int h);

// Merges each non-zero pixel of `samples` onto `dst`, n pixels; a zero sample leaves its
// pixel as it is (a hand's samples where it paints nothing).
void MergeSamples(uint32_t* dst, const uint32_t* samples, int n);
