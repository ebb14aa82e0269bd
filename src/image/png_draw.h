#pragma once
#include "image/bitmap32.h"
#include "image/png_image.h"

// The PNG reader's drawing rule: puts the image at (0, 0) of target (clipped to it),
// gamma-correcting each colour channel through the image's gamma table first. Opaque pixels
// replace, transparent ones leave the target as is, partial ones blend over it:
// (a × c + (255 − a) × bg) / 255. The target's alpha bytes are left unchanged.
void DrawPng(TBitmap32& target, const TPngImage& image);
