#pragma once
#include <cstdint>
#include <string>

#include "image/bitmap32.h"
#include "image/png_image.h"
#include "image/text_rasterizer.h"
#include "skin/skin_image_source.h"

// Fills target from the picture at path (the caller joins the program folder and the
// skin-relative name), over background (0x00BBGGRR): premultiplied alpha, draw mode blend,
// combine mode merge. Reading and decoding errors propagate.
void LoadSkinImage(TBitmap32& target, const std::string& path, uint32_t background);

// Skin images from PNG files through LoadSkinImage.
class PngSkinImages : public SkinImageSource {
 public:
  void Load(TBitmap32& target, const std::string& path, uint32_t background) override;
};

// Writes the image's alpha into bitmap and premultiplies its colour, over the image's size.
void CopyPngAlpha(TBitmap32& bitmap, const TPngImage& image);

// dst takes src's alpha, and its colour is premultiplied by it (same-size bitmaps).
void CopyAlphaPremultiply(TBitmap32& dst, const TBitmap32& src);

// black holds text drawn on black, white the same text drawn on white; black's alpha
// becomes the text's coverage.
void AlphaFromBlackWhite(TBitmap32& black, const TBitmap32& white);

struct ContrastPair {
  uint32_t ink;
  uint32_t grey;
};
// The ink that contrasts with color (0x00BBGGRR), and its matching grey.
ContrastPair ContrastColors(uint32_t color);

// The two passes text is drawn in, kept by the caller so that drawing again allocates nothing
// once they have been as large. Ink on a background of its own colour changes no pixel on the
// rasterizers seen, and then that pass holds only its fill: it is drawn until the rasterizer
// has shown this for the font and ink, with a text that left ink on the other pass.
struct TextPasses {
  TBitmap32 white, black;
  std::string plainFont;  // the font whose ink was seen to leave its own colour as it was
  int plainHeight = 0;
  uint32_t plainInk = 0;
  bool plainSeen = false;

  bool LeavesInkOnInk(const FontSpec& font, uint32_t ink) const {
    return plainSeen && plainInk == ink && plainHeight == font.height && plainFont == font.name;
  }
};

// The text in the font's colour as a premultiplied bitmap whose alpha is the glyph coverage,
// (text width + 1) × (text height + 1) pixels, into `into`; `extent` is the text's as the
// rasterizer measured it.
void RenderTextAlpha(TextRasterizer& rasterizer, const std::string& text, const FontSpec& font, TextExtent extent,
                     TextPasses& passes, TBitmap32& into);
