#include "skin/xml_reader_msxml_win32.h"

#include <gtest/gtest.h>

#include "image/png_format.h"
#include "skin/image_utils.h"
#include "skin/skin_loader.h"
#include "skin/skin_test_doubles.h"
#include "skin/temp_folder.h"
#include "skin/xml_reader_contract.h"
#include "support/windows_path.h"

namespace {

// The dist folder as Wine sees the host's files.
std::string SkinFolderPath(const std::string& name) {
  return Backslashed(std::string("Z:") + ORMEL_DIST_DIR + "/face/" + name + "/");
}

class MsxmlSkinTest : public ::testing::Test {
 protected:
  std::unique_ptr<XmlReader> xml = CreateMsxmlReader();
  const PngFormatRegistration png;
  PngSkinImages images;
  FakeTextMeasure text;
  FormatSettings format;
  SkinServices services{*xml, images, text, format};
};

}  // namespace

// The clock's reader answers the loader's queries as the native tools' reader does.
struct Msxml {
  static std::unique_ptr<XmlReader> Make() { return CreateMsxmlReader(); }
  static std::string PathOf(const std::string& written) { return Backslashed(written); }
  static std::string RoyaleXml() { return SkinFolderPath("royale") + "skin.xml"; }
};

namespace xml_contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Msxml, XmlReaderContract, Msxml);
}  // namespace xml_contract

TEST_F(MsxmlSkinTest, LoadsBothShippedSkins) {
  SkinState skin;
  struct Case { const char* name; int size; };
  for (const Case& c : {Case{"royale", 192}, Case{"slate", 240}, Case{"royale", 192}}) {
    LoadSkin(SkinFolder{SkinFolderPath(c.name), '\\'}, services, skin);
    EXPECT_EQ(skin.surfaces.face.width, c.size) << c.name;
    EXPECT_EQ(skin.surfaces.frame.height, c.size) << c.name;
    EXPECT_EQ(skin.surfaces.buttonStrip.height, 16) << c.name;
    EXPECT_EQ(skin.labels.lTime.font.name, "DSEG7 Classic") << c.name;
  }
}

TEST_F(MsxmlSkinTest, MalformedDescriptionFailsAndKeepsTheSkin) {
  SkinState skin;
  LoadSkin(SkinFolder{SkinFolderPath("slate"), '\\'}, services, skin);
  TempFolder dir;
  dir.Write("broken/skin.xml", "<skin><clockface>face.png</skin>");
  const std::string folder = Backslashed(dir.Path() + "broken/");
  try {
    LoadSkin(SkinFolder{folder, '\\'}, services, skin);
    ADD_FAILURE() << "loaded";
  } catch (const OrmelError& e) {
    // Wine's parser gives only a terse reason; the file it concerns comes first.
    EXPECT_EQ(std::string(e.what()).rfind(folder + "skin.xml: ", 0), 0u) << e.what();
  }
  EXPECT_EQ(skin.surfaces.face.width, 240);
}
