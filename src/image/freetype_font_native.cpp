#include "image/freetype_font_native.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>

namespace {

// Code points of UTF-8 text; a malformed byte stands for itself, as Latin-1.
std::vector<uint32_t> CodePoints(const std::string& text) {
  std::vector<uint32_t> points;
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    bool wellFormed = length > 0 && i + length <= text.size();
    uint32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; wellFormed && k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      wellFormed = (next & 0xC0) == 0x80;
      c = c << 6 | (next & 0x3F);
    }
    points.push_back(wellFormed ? c : lead);
    i += wellFormed ? length : 1;
  }
  return points;
}

// Font units at the em size, to whole pixels.
int Scaled(long units, int emPixels, int unitsPerEm) {
  return static_cast<int>(std::lround(static_cast<double>(units) * emPixels / unitsPerEm));
}

}  // namespace

struct FreeTypeFontData {
  std::vector<uint8_t> file;  // FreeType reads the face from it for as long as the face lives
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~FreeTypeFontData() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

std::unique_ptr<FreeTypeFont> FreeTypeFont::Open(std::vector<uint8_t> file) {
  auto data = std::make_unique<FreeTypeFontData>();
  data->file = std::move(file);
  if (FT_Init_FreeType(&data->library) != 0) return nullptr;
  if (FT_New_Memory_Face(data->library, data->file.data(), static_cast<FT_Long>(data->file.size()), 0,
                         &data->face) != 0)
    return nullptr;
  if (!FT_IS_SCALABLE(data->face)) return nullptr;
  return std::unique_ptr<FreeTypeFont>(new FreeTypeFont(std::move(data)));
}

FreeTypeFont::FreeTypeFont(std::unique_ptr<FreeTypeFontData> data) : data_(std::move(data)) {}
FreeTypeFont::~FreeTypeFont() = default;

TextExtent FreeTypeFont::Measure(int emPixels, const std::string& text) {
  FT_Face face = data_->face;
  TextExtent extent;
  if (emPixels <= 0 || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(emPixels)) != 0) return extent;
  // GDI hints with the font's own instructions and never with an automatic hinter; a font
  // without instructions then advances by its scaled widths, each rounded to a pixel.
  for (const uint32_t c : CodePoints(text)) {
    if (FT_Load_Char(face, c, FT_LOAD_NO_AUTOHINT) == 0)
      extent.width += static_cast<int>((face->glyph->advance.x + 32) >> 6);
  }
  // The cell height of GDI's text metrics: the Windows ascent and descent of the font, which
  // a font without an OS/2 table takes from its horizontal header.
  const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const long ascent = os2 ? os2->usWinAscent : face->ascender;
  const long descent = os2 ? os2->usWinDescent : -face->descender;
  extent.height = Scaled(ascent, emPixels, face->units_per_EM) + Scaled(descent, emPixels, face->units_per_EM);
  return extent;
}
