#include <windows.h>

#include <filesystem>
#include <set>

#include <gtest/gtest.h>

#include "image/png_format.h"
#include "skin/font_family_installed_win32.h"
#include "skin/image_utils.h"
#include "skin/skin_loader.h"
#include "skin/skin_private_fonts_win32.h"
#include "skin/skin_test_doubles.h"
#include "skin/xml_reader_msxml_win32.h"
#include "skin_check/carried_fonts.h"
#include "support/windows_path.h"

namespace {

// The face GDI really draws with when asked for `family`: the fallback's name when it lacks it.
std::string DrawnFace(const std::string& family) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateFontA(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, family.c_str());
  HGDIOBJ old = SelectObject(dc, font);
  char face[LF_FACESIZE] = {};
  GetTextFaceA(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
  return face;
}

// The label fonts of one installed skin that Windows does not bring: the skin must carry them.
std::set<std::string> FontsTheSkinMustCarry(const std::string& folder) {
  std::unique_ptr<XmlReader> xml = CreateMsxmlReader();
  PngSkinImages images;
  FakeTextMeasure text;
  FormatSettings format;
  SkinState skin;
  LoadSkin(SkinFolder{folder, '\\'}, SkinServices{*xml, images, text, format}, skin);
  std::set<std::string> names;
  const FaceLabels& l = skin.labels;
  for (const TLabel* label : {&l.lTitle, &l.lWeekDay, &l.lTime, &l.lTimeBg, &l.lDate, &l.lAmPm})
    if (!IsFontOfEveryWindows(label->font.name)) names.insert(label->font.name);
  return names;
}

}  // namespace

// Every installed skin draws its labels in the fonts it names, on a machine that has none of
// them: the test machine's own fonts must not stand in for one a skin forgot to carry.
TEST(BundledSkinFonts, EachSkinDrawsInTheFontsItCarries) {
  const PngFormatRegistration png;
  int skins = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(ORMEL_DIST_DIR) / "face")) {
    if (!entry.is_directory()) continue;
    ++skins;
    const std::string name = entry.path().filename().string();
    const std::string folder = Backslashed("Z:" + entry.path().string() + "/");
    const std::set<std::string> own = FontsTheSkinMustCarry(folder);
    for (const std::string& family : own)
      ASSERT_FALSE(FamilyInstalled(family)) << family << " of " << name << " is on the test machine itself";
    const SkinPrivateFonts fonts(folder);
    for (const std::string& family : own) EXPECT_TRUE(SameFaceName(DrawnFace(family), family)) << name << " lacks " << family;
  }
  EXPECT_GE(skins, 2);
}
