#include <ostream>

#include "image/gdi_text_win32.h"
#include "skin/folder_lister_win32.h"
#include "skin/image_utils.h"
#include "skin/skin_private_fonts_win32.h"
#include "skin/xml_reader_msxml_win32.h"
#include "skin_check/carried_fonts.h"
#include "skin_check/check_command.h"
#include "time/locale_win32.h"

namespace {

// A machine that lacks a label's font (Wine has none of Windows' own) draws its text in
// another: a box measured so is no measure of what users see.
class GdiMeasuredFonts : public MeasuredFonts {
 public:
  explicit GdiMeasuredFonts(GdiTextRasterizer& text) : text_(text) {}
  bool Estimated(const std::string& face) const override { return !MeasuredInstead(face).empty(); }
  std::string MeasuredInstead(const std::string& face) const override {
    const std::string drawn = text_.FaceDrawnFor(face);
    return SameFaceName(drawn, face) ? std::string() : drawn;
  }

 private:
  GdiTextRasterizer& text_;
};

}  // namespace

// On Windows the check reads skin.xml through MSXML and measures labels with GDI, exactly
// as the clock does: in the fonts the skin carries, added for this process as the clock adds
// them while it shows the skin (before the text, so its cached font goes first).
int RunSkinCheck(const std::string& folder, std::ostream& out, bool verbose) {
  const SkinPrivateFonts fonts(SkinCheckFolder(folder, '\\'));
  const std::unique_ptr<XmlReader> xml = CreateMsxmlReader();
  PngSkinImages images;
  GdiTextRasterizer text;
  const FormatSettings format = UserFormatSettings();
  Win32FolderLister lister;
  const GdiMeasuredFonts measured(text);
  return ReportSkinCheck(folder, '\\', SkinServices{*xml, images, text, format}, measured, lister, out, verbose);
}
