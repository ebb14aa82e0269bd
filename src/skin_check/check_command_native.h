#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "image/freetype_font_native.h"
#include "skin/skin_scan.h"
#include "skin_check/carried_fonts.h"
#include "skin_check/skin_check.h"

// Lists a folder through std::filesystem, in the order the file system returns it.
class FilesystemFolderLister : public FolderLister {
 public:
  std::vector<FolderEntry> List(const std::string& folder) override;
};

// The native check's text measure. Text in a font the skin carries is measured by FreeType
// as GDI measures it; Linux knows no Windows font, so text in any other font gets a box of
// an average glyph, 0.6 em wide by 1.2 em high, which tells only a box that plainly leaves
// the face.
class SkinTextMeasure : public TextRasterizer, public MeasuredFonts {
 public:
  SkinTextMeasure(const std::string& folder, FolderLister& lister);
  TextExtent Measure(const FontSpec& font, const std::string& text) override;
  void Draw(TBitmap32&, const FontSpec&, const std::string&, uint32_t) override {}
  bool Estimated(const std::string& face) const override;

 private:
  FreeTypeFont* FontFor(const std::string& face) const;

  std::vector<CarriedFont> carried_;
  std::vector<std::pair<const CarriedFont*, std::unique_ptr<FreeTypeFont>>> opened_;
};
