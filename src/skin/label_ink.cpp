#include "skin/label_ink.h"

#include "image/blend.h"
#include "skin/round_half_even.h"

bool LabelInk::Shows(const TLabel& label, const std::string& text, uint32_t colour) const {
  return drawn_ && text == text_ && colour == font_.color && label.font.name == font_.name &&
         label.font.height == font_.height && label.left == boxLeft_ && label.top == boxTop_ &&
         label.width == boxWidth_;
}

bool LabelInk::Update(const TLabel& label, const std::string& text, uint32_t colour, TextRasterizer& rasterizer) {
  if (Shows(label, text, colour)) return false;
  // Assigned into the strings kept, so that a label of the same length allocates nothing.
  text_.assign(text);
  font_.name.assign(label.font.name);
  font_.height = label.font.height;
  font_.color = colour;
  boxLeft_ = label.left;
  boxTop_ = label.top;
  boxWidth_ = label.width;
  const TextExtent extent = rasterizer.Measure(font_, text_);
  x_ = static_cast<int>(RoundHalfEvenDiv(2 * static_cast<int64_t>(label.left) + label.width - extent.width, 2));
  y_ = label.top;
  RenderTextAlpha(rasterizer, text_, font_, extent, passes_, ink_);
  drawn_ = true;
  return true;
}

void LabelInk::BlendInto(TBitmap32& target, const PixelRect& clip, uint8_t constantAlpha) const {
  BlendOverIn(target, clip, x_, y_, ink_, constantAlpha);
}
