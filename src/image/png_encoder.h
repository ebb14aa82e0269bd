#pragma once
#include <cstdint>
#include <vector>

#include "image/bitmap32.h"

// Encodes a premultiplied bitmap as an 8-bit RGBA PNG (straight colour), for snapshots.
std::vector<uint8_t> EncodePngFromPremultiplied(const TBitmap32& bitmap);
