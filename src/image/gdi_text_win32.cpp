#include "image/gdi_text_win32.h"

#include <algorithm>
#include <cstring>

#include "base/wide_text_win32.h"
#include "image/dib_section_win32.h"

GdiTextRasterizer::GdiTextRasterizer() : dc_(CreateCompatibleDC(nullptr)) {}

void GdiTextRasterizer::SelectFont(const FontSpec& font) {
  if (!font_ || font.name != fontName_ || font.height != fontHeight_) {
    FontHandle made(CreateFontW(-font.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH,
                                Wide(font.name).c_str()));
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

std::string GdiTextRasterizer::FaceDrawnFor(const std::string& name) {
  SelectFont({name, fontHeight_ ? fontHeight_ : 12, 0});
  wchar_t face[LF_FACESIZE] = L"";
  GetTextFaceW(dc_.get(), LF_FACESIZE, face);
  return Utf8(face);
}

TextExtent GdiTextRasterizer::Measure(const FontSpec& font, const std::string& text) {
  SelectFont(font);
  SIZE size{0, 0};
  const std::wstring wide = Wide(text);
  GetTextExtentPoint32W(dc_.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  if (size.cy == 0) {  // an empty text still has the font's height
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_.get(), &tm);
    size.cy = tm.tmHeight;
  }
  return {size.cx, size.cy};
}

bool GdiTextRasterizer::ReserveCanvas(int width, int height) {
  if (canvas_ && width <= canvasWidth_ && height <= canvasHeight_) return true;
  const int w = std::max(width, canvasWidth_), h = std::max(height, canvasHeight_);
  uint32_t* bits = nullptr;
  BitmapHandle made = CreateTopDownDib(dc_.get(), w, h, bits);
  if (!made) return false;
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
  {
    SelectedObject selectedBitmap(dc_.get(), canvas_.get());
    SelectFont(font);
    SetBkMode(dc_.get(), TRANSPARENT);
    SetTextColor(dc_.get(), ink);
    const std::wstring wide = Wide(text);
    TextOutW(dc_.get(), 0, 0, wide.c_str(), static_cast<int>(wide.size()));
    GdiFlush();
  }
  // GDI leaves the alpha byte alone only sometimes; the caller owns alpha, so keep ours.
  for (int y = 0; y < target.height; ++y) {
    const uint32_t* drawn = CanvasRow(y);
    uint32_t* row = target.Row(y);
    for (int x = 0; x < target.width; ++x) row[x] = (row[x] & 0xFF000000u) | (drawn[x] & 0x00FFFFFFu);
  }
}
