#include "image/gdi_text_win32.h"

#include <algorithm>
#include <cstring>

#include "base/wide_text_win32.h"
#include "image/dib_section_win32.h"

GdiTextRasterizer::GdiTextRasterizer() : measureDc_(CreateCompatibleDC(nullptr)), drawDc_(CreateCompatibleDC(nullptr)) {
  SetBkMode(drawDc_.get(), TRANSPARENT);
}

void GdiTextRasterizer::SelectFont(const FontSpec& font) {
  if (font_ && font.name == fontName_ && font.height == fontHeight_) return;
  FontHandle made(CreateFontW(-font.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH,
                              Wide(font.name).c_str()));
  // The old font leaves the DCs before it is freed.
  for (HDC dc : {measureDc_.get(), drawDc_.get()}) SelectObject(dc, made.get());
  font_ = std::move(made);
  fontName_ = font.name;
  fontHeight_ = font.height;
}

void GdiTextRasterizer::ForgetFont() {
  for (HDC dc : {measureDc_.get(), drawDc_.get()}) SelectObject(dc, GetStockObject(SYSTEM_FONT));
  font_.reset();
  fontName_.clear();
}

std::string GdiTextRasterizer::FaceDrawnFor(const std::string& name) {
  SelectFont({name, fontHeight_ ? fontHeight_ : 12, 0});
  wchar_t face[LF_FACESIZE] = L"";
  GetTextFaceW(measureDc_.get(), LF_FACESIZE, face);
  return Utf8(face);
}

TextExtent GdiTextRasterizer::Measure(const FontSpec& font, const std::string& text) {
  SelectFont(font);
  SIZE size{0, 0};
  const std::wstring wide = Wide(text);
  GetTextExtentPoint32W(measureDc_.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  if (size.cy == 0) {  // an empty text still has the font's height
    TEXTMETRICW tm{};
    GetTextMetricsW(measureDc_.get(), &tm);
    size.cy = tm.tmHeight;
  }
  return {size.cx, size.cy};
}

bool GdiTextRasterizer::ReserveCanvas(int width, int height) {
  if (canvas_ && width <= canvasWidth_ && height <= canvasHeight_) return true;
  const int w = std::max(width, canvasWidth_), h = std::max(height, canvasHeight_);
  uint32_t* bits = nullptr;
  BitmapHandle made = CreateTopDownDib(drawDc_.get(), w, h, bits);
  if (!made) return false;
  SelectObject(drawDc_.get(), made.get());  // the old canvas leaves the DC before it is freed
  // The font's anti-aliasing follows the bitmap selected: it is chosen again for the new one.
  if (font_) SelectObject(drawDc_.get(), font_.get());
  canvas_ = std::move(made);
  canvasBits_ = bits;
  canvasWidth_ = w;
  canvasHeight_ = h;
  return true;
}

void GdiTextRasterizer::Draw(TBitmap32& target, const FontSpec& font, const std::string& text, uint32_t ink) {
  if (target.Empty() || !ReserveCanvas(target.width, target.height)) return;
  // The text lands in the canvas's top-left corner; what it draws beyond the target is not read.
  const size_t rowBytes = target.width * sizeof(uint32_t);
  for (int y = 0; y < target.height; ++y) std::memcpy(CanvasRow(y), target.Row(y), rowBytes);
  SelectFont(font);
  SetTextColor(drawDc_.get(), ink);
  const std::wstring wide = Wide(text);
  TextOutW(drawDc_.get(), 0, 0, wide.c_str(), static_cast<int>(wide.size()));
  GdiFlush();
  // GDI leaves the alpha byte alone only sometimes; the caller owns alpha, so keep ours.
  for (int y = 0; y < target.height; ++y) {
    const uint32_t* drawn = CanvasRow(y);
    uint32_t* row = target.Row(y);
    for (int x = 0; x < target.width; ++x) row[x] = (row[x] & 0xFF000000u) | (drawn[x] & 0x00FFFFFFu);
  }
}
