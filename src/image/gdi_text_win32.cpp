#include "image/gdi_text_win32.h"

#include <cstring>

#include "image/dib_section_win32.h"

GdiTextRasterizer::GdiTextRasterizer() : dc_(CreateCompatibleDC(nullptr)) {}

void GdiTextRasterizer::SelectFont(const FontSpec& font) {
  if (!font_ || font.name != fontName_ || font.height != fontHeight_) {
    FontHandle made(CreateFontA(-font.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH,
                                font.name.c_str()));
    SelectObject(dc_.get(), made.get());  // the old font leaves the DC before it is freed
    font_ = std::move(made);
    fontName_ = font.name;
    fontHeight_ = font.height;
  }
  // Again after a bitmap change: the font's anti-aliasing follows the bitmap selected.
  SelectObject(dc_.get(), font_.get());
}

void GdiTextRasterizer::ForgetFont() {
  SelectObject(dc_.get(), GetStockObject(SYSTEM_FONT));
  font_.reset();
  fontName_.clear();
}

TextExtent GdiTextRasterizer::Measure(const FontSpec& font, const std::string& text) {
  SelectFont(font);
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc_.get(), text.c_str(), static_cast<int>(text.size()), &size);
  if (size.cy == 0) {  // an empty text still has the font's height
    TEXTMETRICA tm{};
    GetTextMetricsA(dc_.get(), &tm);
    size.cy = tm.tmHeight;
  }
  return {size.cx, size.cy};
}

void GdiTextRasterizer::Draw(TBitmap32& target, const FontSpec& font, const std::string& text, uint32_t ink) {
  if (target.Empty()) return;
  uint32_t* bits = nullptr;
  BitmapHandle section = CreateTopDownDib(dc_.get(), target.width, target.height, bits);
  if (!section) return;
  const size_t bytes = target.pixels.size() * sizeof(uint32_t);
  std::memcpy(bits, target.pixels.data(), bytes);
  {
    SelectedObject selectedBitmap(dc_.get(), section.get());
    SelectFont(font);
    SetBkMode(dc_.get(), TRANSPARENT);
    SetTextColor(dc_.get(), ink);
    TextOutA(dc_.get(), 0, 0, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();
  }
  // GDI leaves the alpha byte alone only sometimes; the caller owns alpha, so keep ours.
  const uint32_t* drawn = bits;
  for (size_t i = 0; i < target.pixels.size(); ++i)
    target.pixels[i] = (target.pixels[i] & 0xFF000000u) | (drawn[i] & 0x00FFFFFFu);
}
