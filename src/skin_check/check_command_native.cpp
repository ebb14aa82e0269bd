#include "skin_check/check_command_native.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "skin/image_utils.h"
#include "skin/xml_reader_pugixml_native.h"
#include "skin_check/check_command.h"

std::vector<FolderEntry> FilesystemFolderLister::List(const std::string& folder) {
  std::vector<FolderEntry> entries;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    entries.push_back({it->path().filename().string(), it->is_directory(error)});
  return entries;
}

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

// Natively the check measures labels in the fonts the skin carries with FreeType, as GDI
// would; Linux has no Windows font, so labels in those are estimated and noted as such.
int RunSkinCheck(const std::string& folder, std::ostream& out, bool verbose) {
  PugiXmlReader xml;
  PngSkinImages images;
  FilesystemFolderLister lister;
  SkinTextMeasure text(SkinCheckFolder(folder, '/'), lister);
  const FormatSettings format;
  return ReportSkinCheck(folder, '/', SkinServices{xml, images, text, format}, text, lister, out, verbose);
}
