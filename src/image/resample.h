#pragma once
#include "image/bitmap32.h"

// Resizes a premultiplied bitmap to width x height with a Lanczos kernel of radius 3, widened
// when shrinking so every source pixel counts. Taps beyond the edges are left out and the rest
// renormalised, so an image opaque to its border stays opaque there. The same size copies the
// bitmap unchanged. Colour never exceeds alpha in the result.
void ResampleLanczos3(const TBitmap32& source, int width, int height, TBitmap32& result);
