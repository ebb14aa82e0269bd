#pragma once
#include <cstdint>
#include <string>

#include "image/bitmap32.h"

// A label font: face name, character height in pixels, colour 0x00BBGGRR.
struct FontSpec {
  std::string name;
  int height = 9;
  uint32_t color = 0;
};

struct TextExtent {
  int width = 0;
  int height = 0;
};

// Draws text the way the platform does (GDI on Windows); tests use a stand-in.
class TextRasterizer {
 public:
  virtual ~TextRasterizer() = default;
  virtual TextExtent Measure(const FontSpec& font, const std::string& text) = 0;
  // Draws the text with its top-left at (0, 0) in the ink colour (0x00BBGGRR), without a
  // background box. Only the colour bytes are meaningful afterwards; alpha is left as is.
  virtual void Draw(TBitmap32& target, const FontSpec& font, const std::string& text,
                    uint32_t ink) = 0;
};
