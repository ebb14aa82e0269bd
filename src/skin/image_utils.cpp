#include "skin/image_utils.h"

#include <algorithm>

#include "image/blend.h"
#include "image/image_loader_registry.h"
#include "image/png_draw.h"

namespace {

// A platform colour 0x00BBGGRR as a bitmap pixel 0xAARRGGBB with alpha 0.
uint32_t PixelOf(uint32_t colorRef) {
  return ((colorRef & 0xFF) << 16) | (colorRef & 0xFF00) | ((colorRef >> 16) & 0xFF);
}

// Colour channels × a / 255, truncating, with alpha a.
inline uint32_t Premultiply(uint32_t pixel, uint32_t a) {
  return (a << 24) | ((RedOf(pixel) * a / 255) << 16) | ((GreenOf(pixel) * a / 255) << 8) |
         (BlueOf(pixel) * a / 255);
}

bool FilledWith(const TBitmap32& bitmap, uint32_t pixel) {
  return std::all_of(bitmap.pixels.begin(), bitmap.pixels.end(), [pixel](uint32_t p) { return p == pixel; });
}

}  // namespace

void LoadSkinImage(TBitmap32& target, const std::string& path, uint32_t background) {
  const TPngImage image = ImageLoaderRegistry::Instance().Load(path);
  TBitmap32 bitmap;
  bitmap.SetSize(image.Width(), image.Height());
  bitmap.Clear(PixelOf(background));
  DrawPng(bitmap, image);
  // Every image takes its alpha: images without an alpha channel carry 255, or 0 where
  // tRNS makes them transparent, so opaque and colour-keyed skin images show as drawn.
  CopyPngAlpha(bitmap, image);
  target.width = bitmap.width;
  target.height = bitmap.height;
  target.pixels.swap(bitmap.pixels);
  target.drawMode = DrawMode::Blend;
  target.combineMode = CombineMode::Merge;
}

void PngSkinImages::Load(TBitmap32& target, const std::string& path, uint32_t background) {
  LoadSkinImage(target, path, background);
}

void CopyPngAlpha(TBitmap32& bitmap, const TPngImage& image) {
  const int w = std::min(bitmap.width, image.Width());
  const int h = std::min(bitmap.height, image.Height());
  for (int y = 0; y < h; ++y) {
    const uint8_t* alpha = image.alpha.data() + static_cast<size_t>(y) * image.Width();
    uint32_t* row = bitmap.Row(y);
    for (int x = 0; x < w; ++x) row[x] = Premultiply(row[x], alpha[x]);
  }
}

void CopyAlphaPremultiply(TBitmap32& dst, const TBitmap32& src) {
  const int w = std::min(dst.width, src.width);
  const int h = std::min(dst.height, src.height);
  for (int y = 0; y < h; ++y) {
    const uint32_t* s = src.Row(y);
    uint32_t* d = dst.Row(y);
    for (int x = 0; x < w; ++x) d[x] = Premultiply(d[x], AlphaOf(s[x]));
  }
}

void AlphaFromBlackWhite(TBitmap32& black, const TBitmap32& white) {
  const int w = std::min(black.width, white.width);
  const int h = std::min(black.height, white.height);
  for (int y = 0; y < h; ++y) {
    const uint32_t* wr = white.Row(y);
    uint32_t* br = black.Row(y);
    for (int x = 0; x < w; ++x) {
      const uint32_t b = br[x], wp = wr[x];
      // Each difference wraps like a byte, as the platform's arithmetic on the passes does.
      const uint32_t d = ((RedOf(wp) - RedOf(b)) & 0xFF) + ((GreenOf(wp) - GreenOf(b)) & 0xFF) +
                         ((BlueOf(wp) - BlueOf(b)) & 0xFF);
      br[x] = (b & 0x00FFFFFFu) | ((255 - d / 3) << 24);
    }
  }
}

ContrastPair ContrastColors(uint32_t color) {
  const uint32_t r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
  if (2 * r + 5 * g + b >= 1024) return {0x000000, 0x808080};
  return {0xFFFFFF, 0xC0C0C0};
}

void RenderTextAlpha(TextRasterizer& rasterizer, const std::string& text, const FontSpec& font, TextExtent extent,
                     TextPasses& passes, TBitmap32& into) {
  const int w = extent.width + 1, h = extent.height + 1;
  TBitmap32& whitePass = passes.white;
  TBitmap32& blackPass = passes.black;
  whitePass.SetSize(w, h);
  blackPass.SetSize(w, h);
  into.SetSize(w, h);
  into.Clear(0);
  const uint32_t ink = ContrastColors(font.color).ink;
  whitePass.Clear(0xFFFFFF);
  blackPass.Clear(0);
  // The ink is black or white, so one pass's background is of the ink's own colour.
  const bool blackInk = ink == 0;
  TBitmap32& inkOnInk = blackInk ? blackPass : whitePass;
  TBitmap32& contrasting = blackInk ? whitePass : blackPass;
  rasterizer.Draw(contrasting, font, text, ink);
  if (!passes.LeavesInkOnInk(font, ink)) {
    rasterizer.Draw(inkOnInk, font, text, ink);
    // Only a text that left ink shows what ink on its own colour does.
    if (!FilledWith(contrasting, blackInk ? 0xFFFFFFu : 0u)) {
      passes.plainFont.assign(font.name);
      passes.plainHeight = font.height;
      passes.plainInk = ink;
      passes.plainSeen = FilledWith(inkOnInk, blackInk ? 0u : 0xFFFFFFu);
    }
  }
  AlphaFromBlackWhite(blackPass, whitePass);
  whitePass.Clear(PixelOf(font.color));
  CopyAlphaPremultiply(whitePass, blackPass);
  BlendOver(into, 0, 0, whitePass, 255);
}
