#include "image/png_format.h"

#include "image/png_decoder.h"

PngFormatRegistration::PngFormatRegistration()
    : registration_({"PNG", "Portable Network Graphics", DecodePngFile}) {}
