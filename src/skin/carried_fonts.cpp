#include "skin/carried_fonts.h"

#include <fstream>
#include <iterator>

#include "base/unicode_text.h"
#include "skin/common_fonts.h"
#include "skin/font_family_names.h"
#include "skin/skin_fonts.h"

std::vector<CarriedFont> ReadCarriedFonts(const std::string& folder, FolderLister& lister) {
  std::vector<CarriedFont> fonts;
  for (const std::string& file : SkinFontFiles(lister.List(folder))) {
    std::ifstream in(PathFromUtf8(folder + file), std::ios::binary);
    CarriedFont font{file, std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}), {}};
    font.families = FontFamilyNames(font.bytes);
    fonts.push_back(std::move(font));
  }
  return fonts;
}

const CarriedFont* FontNamed(const std::vector<CarriedFont>& fonts, const std::string& face) {
  for (const CarriedFont& font : fonts)
    for (const std::string& family : font.families)
      if (SameFaceName(family, face)) return &font;
  return nullptr;
}
