#pragma once
#include "image/png_idat_stream.h"
#include "image/png_image.h"

// Inflates, unfilters and converts every row (all seven Adam7 passes for interlaced
// images) into image.colors and image.alpha.
void DecodePngPixels(TPngImage& image, PngIdatStream& idat);
