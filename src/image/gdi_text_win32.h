#pragma once
#include <windows.h>

#include <string>

#include "base/handles_win32.h"
#include "image/text_rasterizer.h"

// Label text through GDI into 32-bit DIB sections, anti-aliased.
class GdiTextRasterizer : public TextRasterizer {
 public:
  GdiTextRasterizer();
  ~GdiTextRasterizer() override { ForgetFont(); }
  GdiTextRasterizer(const GdiTextRasterizer&) = delete;
  GdiTextRasterizer& operator=(const GdiTextRasterizer&) = delete;
  TextExtent Measure(const FontSpec& font, const std::string& text) override;
  void Draw(TBitmap32& target, const FontSpec& font, const std::string& text, uint32_t ink) override;
  // Drops the cached font, which may have been made from font files about to go away.
  void ForgetFont();

 private:
  // Selects the label's font into the DC and leaves it there: putting the DC's own font back
  // after each label would make Wine read the X resource files again, twice a label.
  void SelectFont(const FontSpec& font);

  DcHandle dc_;
  FontHandle font_;
  std::string fontName_;  // the font kept for the next label: labels reuse few fonts
  int fontHeight_ = 0;
};
