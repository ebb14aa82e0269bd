#pragma once
#include <cstddef>
#include <cstdint>

#include "image/png_image.h"

// Readers of the chunk kinds that have objects of their own. Each takes the chunk's data
// (CRC already checked) and fills the image, or throws OrmelError with the image's message.
void ReadIhdr(TPngImage& image, const uint8_t* data, size_t size);
void ReadPlte(TPngImage& image, const uint8_t* data, size_t size);
void ReadTrns(TPngImage& image, const uint8_t* data, size_t size);
void ReadGama(TPngImage& image, const uint8_t* data, size_t size);
void ReadTime(TPngImage& image, const uint8_t* data, size_t size);
void ReadText(TPngImage& image, const uint8_t* data, size_t size);
void ReadZtxt(TPngImage& image, const uint8_t* data, size_t size);
void ReadPhys(TPngImage& image, const uint8_t* data, size_t size);

// Largest image we accept, in pixels: beyond it the decode would not fit in memory.
inline constexpr uint64_t kPngMaxPixels = 64ull * 1024 * 1024;
