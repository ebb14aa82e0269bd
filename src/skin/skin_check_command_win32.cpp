#include <ostream>

#include "image/gdi_text_win32.h"
#include "skin/folder_lister_win32.h"
#include "skin/png_skin_images.h"
#include "skin/skin_check_command.h"
#include "skin/xml_reader_msxml_win32.h"
#include "time/locale_win32.h"

// On Windows the check reads skin.xml through MSXML and measures labels with GDI, exactly
// as the clock does.
int RunSkinCheck(const std::string& folder, std::ostream& out, bool verbose) {
  const std::unique_ptr<XmlReader> xml = CreateMsxmlReader();
  PngSkinImages images;
  GdiTextRasterizer text;
  const FormatSettings format = UserFormatSettings();
  Win32FolderLister lister;
  return ReportSkinCheck(folder, '\\', SkinServices{*xml, images, text, format}, lister, out, verbose);
}
