#include "skin_check/carried_fonts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "skin_check/font_file_builder.h"

namespace {

using Names = std::vector<std::string>;

std::vector<uint8_t> ShippedFont() {
  std::ifstream in(std::string(ORMEL_SOURCE_DIR) + "/skins/royale/DSEG7Classic-Regular.ttf", std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(FontFamilyNames, TheShippedFontIsTheFamilyItsSkinsName) {
  EXPECT_EQ(FontFamilyNames(ShippedFont()), Names{"DSEG7 Classic"});
}

TEST(FontFamilyNames, ReadsFamilyRecordsOfEveryPlatformOnce) {
  struct Case {
    const char* what;
    FontFileBuilder font;
    Names expected;
  };
  const Case cases[] = {
      {"only the family id counts",
       FontFileBuilder().WindowsName(4, "Lcd Bold").WindowsName(1, "Lcd").WindowsName(16, "Lcd Pro"), {"Lcd"}},
      {"Windows and Macintosh Roman give the same name",
       FontFileBuilder().WindowsName(1, "Lcd").Name(1, 0, 1, {'L', 'c', 'd'}), {"Lcd"}},
      {"a localised family is one more name GDI matches",
       FontFileBuilder().WindowsName(1, "Lcd").Name(3, 1, 1, {0x00, 0xC9, 0x00, 'c'}), {"Lcd", "\xC3\x89" "c"}},
      {"a character beyond the BMP as a surrogate pair",
       FontFileBuilder().Name(0, 3, 1, {0xD8, 0x3D, 0xDD, 0x50}), {"\xF0\x9F\x95\x90"}},
      {"Macintosh names in other scripts are left out", FontFileBuilder().Name(1, 1, 1, {'L', 'c'}), {}},
      {"an OpenType font with CFF outlines", FontFileBuilder().Version(0x4F54544F).WindowsName(1, "Lcd"), {"Lcd"}},
      {"not a font at all", FontFileBuilder().Version(0x89504E47).WindowsName(1, "Lcd"), {}},
      {"no family record", FontFileBuilder().WindowsName(4, "Lcd Bold"), {}},
  };
  for (const Case& c : cases) EXPECT_EQ(FontFamilyNames(c.font.bytes()), c.expected) << c.what;
}

TEST(FontFamilyNames, DamagedFilesGiveNoNameAndAreNeverReadPastTheirEnd) {
  const std::vector<uint8_t> whole = FontFileBuilder().WindowsName(1, "Lcd").bytes();
  for (size_t size = 0; size < whole.size(); ++size) {
    const std::vector<uint8_t> cut(whole.begin(), whole.begin() + size);
    EXPECT_EQ(FontFamilyNames(cut), Names{}) << "cut at " << size;
  }
  // Offsets and lengths that point outside the file.
  for (size_t field : {4u /* table count */, 20u /* table offset */, 24u /* table length */,
                       30u /* record count */, 32u /* string offset */, 42u /* string length */}) {
    std::vector<uint8_t> bad = whole;
    bad[field] = 0xFF;
    EXPECT_EQ(FontFamilyNames(bad), Names{}) << "field at " << field;
  }
}

TEST(CommonFonts, ListedFacesMatchInAnyLetterCaseAndNothingElse) {
  for (const char* face : {"Tahoma", "tahoma", "TIMES NEW ROMAN", "MS Sans Serif", "Small Fonts"})
    EXPECT_TRUE(IsFontOfEveryWindows(face)) << face;
  for (const char* face : {"DSEG7 Classic", "Digital", "", "Tahoma ", "Arial Narrow"})
    EXPECT_FALSE(IsFontOfEveryWindows(face)) << face;
}
