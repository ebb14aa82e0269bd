#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "image/png_image.h"

// Turns unfiltered rows of any colour type and bit depth into 8-bit colour (0x00RRGGBB)
// and 8-bit alpha. 16-bit samples are rounded to 8 bits; grey below 8 bits is scaled up to
// the full range; tRNS (palette alpha or colour key) becomes alpha, otherwise alpha is 255.
class PngSampleConverter {
 public:
  // The image's header, palette and tRNS must be read already.
  explicit PngSampleConverter(const TPngImage& image);

  // Pixel i of the row goes to colors[i × step] and alpha[i × step]. A palette index
  // beyond the palette throws the image's message.
  void ConvertRow(const uint8_t* row, size_t count, uint32_t* colors, uint8_t* alpha,
                  size_t step) const;

 private:
  void ConvertGrey(const uint8_t* row, size_t count, uint32_t* colors, uint8_t* alpha, size_t step) const;
  void ConvertRgb(const uint8_t* row, size_t count, uint32_t* colors, uint8_t* alpha, size_t step) const;
  void ConvertPalette(const uint8_t* row, size_t count, uint32_t* colors, uint8_t* alpha, size_t step) const;
  void ConvertGreyAlpha(const uint8_t* row, size_t count, uint32_t* colors, uint8_t* alpha, size_t step) const;
  void ConvertRgbAlpha(const uint8_t* row, size_t count, uint32_t* colors, uint8_t* alpha, size_t step) const;

  PngHeader header_;
  std::array<uint32_t, 256> paletteColors_{};
  std::array<uint8_t, 256> paletteAlpha_{};
  size_t paletteSize_ = 0;
  bool hasKey_ = false;
  PngColorKey key_;
};
