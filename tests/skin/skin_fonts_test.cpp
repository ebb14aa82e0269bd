#include "skin/skin_fonts.h"

#include <gtest/gtest.h>

TEST(SkinFonts, PicksFontFilesOnly) {
  const std::vector<FolderEntry> entries = {
      {"face.png", false},  {"DSEG7Classic-Regular.ttf", false}, {"fonts.ttf", true},
      {"Bold.OTF", false},  {".ttf", false},                     {"notes.ttf.txt", false},
      {"skin.xml", false},  {"Mono.TtF", false},
  };
  const std::vector<std::string> expected = {"DSEG7Classic-Regular.ttf", "Bold.OTF", "Mono.TtF"};
  EXPECT_EQ(SkinFontFiles(entries), expected);
}
