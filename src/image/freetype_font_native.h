#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "image/text_rasterizer.h"

struct FreeTypeFontData;

// One font file read by FreeType, measuring text as GDI measures it at a character height
// in pixels (the em, as a negative GDI height asks): the sum of the glyphs' hinted advance
// widths by the font's OS/2 usWinAscent plus usWinDescent, each scaled and rounded.
class FreeTypeFont {
 public:
  // Null when FreeType cannot read the data as a font.
  static std::unique_ptr<FreeTypeFont> Open(std::vector<uint8_t> file);
  ~FreeTypeFont();

  // The text is UTF-8; a character the font lacks measures as its missing-glyph box.
  TextExtent Measure(int emPixels, const std::string& text);

 private:
  explicit FreeTypeFont(std::unique_ptr<FreeTypeFontData> data);
  std::unique_ptr<FreeTypeFontData> data_;
};
