#pragma once
#include <cstdint>

#include "image/bitmap32.h"

// The platform's premultiplied source-over blend: every channel of dst becomes
// src×C/255 + dst×(1 − Sa×C/255²), with C the constant alpha and Sa the source alpha.
// The source is placed with its top-left at (x, y); whatever falls outside dst is clipped.
void BlendOver(TBitmap32& dst, int x, int y, const TBitmap32& src, uint8_t constantAlpha);
