#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "image/png_image.h"

// Decodes a whole PNG file held in memory. Every failure throws OrmelError carrying the
// image's message; nothing is read outside data[0, size).
TPngImage DecodePng(const uint8_t* data, size_t size);
inline TPngImage DecodePng(const std::vector<uint8_t>& bytes) {
  return DecodePng(bytes.data(), bytes.size());
}

// Reads the file and decodes it. A file that cannot be read throws OrmelError naming it.
TPngImage DecodePngFile(const std::string& path);
