#include "skin/skin_text_measure_native.h"

SkinTextMeasure::SkinTextMeasure(const std::string& folder, FolderLister& lister)
    : carried_(ReadCarriedFonts(folder, lister)) {
  for (const CarriedFont& font : carried_) {
    if (font.families.empty()) continue;
    if (std::unique_ptr<FreeTypeFont> opened = FreeTypeFont::Open(font.bytes))
      opened_.emplace_back(&font, std::move(opened));
  }
}

FreeTypeFont* SkinTextMeasure::FontFor(const std::string& face) const {
  // A font of the name that FreeType cannot read leaves the text estimated.
  const CarriedFont* named = FontNamed(carried_, face);
  for (const auto& [font, opened] : opened_)
    if (font == named) return opened.get();
  return nullptr;
}

TextExtent SkinTextMeasure::Measure(const FontSpec& font, const std::string& text) {
  if (FreeTypeFont* carried = FontFor(font.name)) return carried->Measure(font.height, text);
  return {static_cast<int>(text.size()) * font.height * 3 / 5, font.height * 6 / 5};
}

bool SkinTextMeasure::Estimated(const std::string& face) const { return FontFor(face) == nullptr; }
