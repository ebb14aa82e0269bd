#pragma once
#include <cstdint>
#include <optional>
#include <vector>

// A PNG as libpng decodes it, the reference our decoder is measured and held against.
struct LibpngImage {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;  // straight RGBA, 8 bits per channel
};

// libpng's own decode to 8-bit RGBA: palettes and low depths expanded, tRNS made alpha,
// 16 bits scaled with rounding, opaque images filled with alpha 255, interlacing undone.
// Nothing when libpng refuses the file.
std::optional<LibpngImage> DecodeWithLibpng(const std::vector<uint8_t>& file);
