#include "support/bundled_skin.h"

#include "image/png_format.h"
#include "skin/image_utils.h"
#include "skin/xml_reader_pugixml_native.h"
#include "support/box_text_rasterizer.h"

SkinState LoadBundledSkin(const std::string& name) {
  const PngFormatRegistration png;
  PugiXmlReader xml;
  PngSkinImages images;
  BoxTextRasterizer text;
  FormatSettings format;
  SkinState skin;
  LoadSkin(SkinFolder{std::string(ORMEL_SOURCE_DIR) + "/skins/" + name + "/", '/'},
           SkinServices{xml, images, text, format}, skin);
  return skin;
}
