#pragma once
// A deterministic stand-in for the platform's text drawing: every character but a space is
// a solid box of ink, one cell wide and the font's height tall, whose rightmost column is
// half-covered (ink mixed 50/50 with what lies under it), like an anti-aliased edge.
#include <string>

#include "image/text_rasterizer.h"

class BoxTextRasterizer : public TextRasterizer {
 public:
  // Cell width for a font: half its height, at least 2 so a cell has a solid column.
  static int CellWidth(const FontSpec& font);

  TextExtent Measure(const FontSpec& font, const std::string& text) override;
  void Draw(TBitmap32& target, const FontSpec& font, const std::string& text, uint32_t ink) override;

  int measures = 0;
  int draws = 0;
};
