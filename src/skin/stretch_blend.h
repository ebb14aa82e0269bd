#pragma once
#include <cstdint>

#include "image/bitmap32.h"

// BlendOver with the source stretched (nearest neighbour) over the w × h rectangle of dst at
// its top-left: the glass image of a skin may be smaller than its face.
void BlendStretched(TBitmap32& dst, int w, int h, const TBitmap32& src, uint8_t constantAlpha);
