#include "support/box_text_rasterizer.h"

#include <algorithm>

namespace {

uint32_t Half(uint32_t a, uint32_t b) {
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    out |= ((((a >> shift) & 0xFF) + ((b >> shift) & 0xFF)) / 2) << shift;
  }
  return out;
}

}  // namespace

int BoxTextRasterizer::CellWidth(const FontSpec& font) { return std::max(2, font.height / 2); }

TextExtent BoxTextRasterizer::Measure(const FontSpec& font, const std::string& text) {
  ++measures;
  return {static_cast<int>(text.size()) * CellWidth(font), font.height};
}

void BoxTextRasterizer::Draw(TBitmap32& target, const FontSpec& font, const std::string& text,
                             uint32_t ink) {
  ++draws;
  // ink is 0x00BBGGRR; the bitmap stores 0x00RRGGBB.
  const uint32_t color = ((ink & 0xFF) << 16) | (ink & 0xFF00) | ((ink >> 16) & 0xFF);
  const int cell = CellWidth(font);
  const int h = std::min(font.height, target.height);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') continue;
    const int x0 = static_cast<int>(i) * cell;
    for (int y = 0; y < h; ++y) {
      uint32_t* row = target.Row(y);
      for (int x = x0; x < std::min(x0 + cell, target.width); ++x) {
        const uint32_t under = row[x];
        const uint32_t drawn = x == x0 + cell - 1 ? Half(color, under) : color;
        row[x] = (under & 0xFF000000u) | drawn;
      }
    }
  }
}
