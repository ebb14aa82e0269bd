#pragma once
#include <cstdint>
#include <string>

#include "image/bitmap32.h"
#include "image/pixel_rect.h"
#include "image/text_rasterizer.h"
#include "skin/image_utils.h"
#include "skin/label.h"

// One label's text as the overlay takes it: the premultiplied ink and where it lies. The
// text is drawn again only when the text, the font, the colour or the box changes.
class LabelInk {
 public:
  // Brings the ink up to this text in this colour (0x00BBGGRR); true when it changed.
  // Left x is the box centre minus half the text width, halves to even; top is the box top.
  bool Update(const TLabel& label, const std::string& text, uint32_t colour, TextRasterizer& rasterizer);
  // The next Update draws afresh: the fonts behind the same names may have changed.
  void Forget() { drawn_ = false; }

  PixelRect Area() const { return {x_, y_, x_ + ink_.width, y_ + ink_.height}; }
  // Blends the ink onto `target`, touching only the pixels inside `clip`.
  void BlendInto(TBitmap32& target, const PixelRect& clip, uint8_t constantAlpha) const;

 private:
  bool Shows(const TLabel& label, const std::string& text, uint32_t colour) const;

  bool drawn_ = false;
  std::string text_;
  FontSpec font_;  // with the colour drawn in
  int boxLeft_ = 0, boxTop_ = 0, boxWidth_ = 0;
  int x_ = 0, y_ = 0;
  TBitmap32 ink_;
  TextPasses passes_;
};
