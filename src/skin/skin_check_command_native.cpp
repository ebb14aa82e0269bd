#include <ostream>

#include "skin/folder_lister_native.h"
#include "skin/png_skin_images.h"
#include "skin/skin_check_command.h"
#include "skin/skin_text_measure_native.h"
#include "skin/xml_reader_pugixml_native.h"

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
