#include <ostream>

#include "skin/folder_lister_native.h"
#include "skin/png_skin_images.h"
#include "skin/skin_check_command.h"
#include "skin/xml_reader_pugixml_native.h"

namespace {

// Linux has no GDI to measure label text with; an average glyph of 0.6 em wide by 1.2 em
// high is close enough to tell a box that plainly leaves the face.
class EstimatedTextMeasure : public TextRasterizer {
 public:
  TextExtent Measure(const FontSpec& font, const std::string& text) override {
    return {static_cast<int>(text.size()) * font.height * 3 / 5, font.height * 6 / 5};
  }
  void Draw(TBitmap32&, const FontSpec&, const std::string&, uint32_t) override {}
};

}  // namespace

int RunSkinCheck(const std::string& folder, std::ostream& out, bool verbose) {
  PugiXmlReader xml;
  PngSkinImages images;
  EstimatedTextMeasure text;
  const FormatSettings format;
  FilesystemFolderLister lister;
  return ReportSkinCheck(folder, '/', SkinServices{xml, images, text, format}, lister, out, verbose);
}
