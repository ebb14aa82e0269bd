#pragma once
#include <cstddef>
#include <cstdint>

// Reverses the row filter (0 none, 1 sub, 2 up, 3 average, 4 Paeth) in place. prior is the
// previous unfiltered row of the same pass, all zero for its first row; bpp is the number
// of bytes per complete pixel, at least 1. A filter type above 4 throws the image's message.
void UnfilterRow(uint8_t filter, uint8_t* row, const uint8_t* prior, size_t rowBytes, size_t bpp);
