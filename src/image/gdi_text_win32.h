#pragma once
#include <windows.h>

#include <cstdint>
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
  // The face GDI draws text of this face name in: another one when the machine lacks it.
  std::string FaceDrawnFor(const std::string& name);

 private:
  // Selects the label's font into both DCs and leaves it there: putting the DC's own font back
  // after each label would make Wine read the X resource files again, twice a label, and
  // selecting it again costs a font lookup each time.
  void SelectFont(const FontSpec& font);
  // Makes the canvas at least this large. Labels are drawn through one section kept from
  // label to label: a section made for each would be a new memory mapping each time.
  bool ReserveCanvas(int width, int height);
  uint32_t* CanvasRow(int y) { return canvasBits_ + static_cast<size_t>(y) * canvasWidth_; }

  // Measuring sees the DC as made, drawing the canvas: each DC keeps what is selected into it
  // from label to label.
  DcHandle measureDc_;
  BitmapHandle canvas_;  // freed after the DC it is selected into
  DcHandle drawDc_;
  FontHandle font_;
  std::string fontName_;  // the font kept for the next label: labels reuse few fonts
  int fontHeight_ = 0;
  uint32_t* canvasBits_ = nullptr;
  int canvasWidth_ = 0, canvasHeight_ = 0;
};
