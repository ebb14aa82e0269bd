#pragma once
#include <cstdint>

#include "base/handles_win32.h"

// A 32-bit DIB section with top-down rows, as TBitmap32 keeps them; `bits` points at its
// pixels. Empty (and bits null) when GDI refuses it.
BitmapHandle CreateTopDownDib(HDC dc, int width, int height, uint32_t*& bits);
