#include "skin/skin_check_details.h"

#include <gtest/gtest.h>

namespace {

std::string LineStarting(const std::vector<std::string>& lines, const std::string& start) {
  for (const std::string& line : lines)
    if (line.rfind(start, 0) == 0) return line;
  return "no line starts with " + start;
}

}  // namespace

TEST(SkinCheckDetails, ListsWhatTheClockReads) {
  SkinState skin;
  skin.labels.lTime = {45, 95, 72, 19, "88:88:88", {"Digital", 19, 0x00123456}};
  skin.surfaces.hours.bitmap.SetSize(8, 50);
  skin.surfaces.hours.bitmapCenter = {4, 42.5f};
  skin.surfaces.hours.position = {75, 75};
  skin.surfaces.buttonStrip.SetSize(96, 16);
  skin.right = {110, 65, 30, 16};
  const std::vector<std::string> lines = DescribeSkin(skin);
  EXPECT_EQ(lines.size(), 11u);
  // Colours are blue first: $00123456 is red 0x56.
  EXPECT_EQ(LineStarting(lines, "label \"time\""),
            "label \"time\": box (45, 95, 72 x 19) for \"88:88:88\" in \"Digital\" 19 px; colour $00123456: "
            "red 86, green 52, blue 18");
  EXPECT_EQ(LineStarting(lines, "hand \"hours\""),
            "hand \"hours\": 8 x 50 image, pivot (4, 42.5) on the face at (75, 75); reaches 42.5 pixels to its tip "
            "and 7.5 behind the pivot");
  EXPECT_EQ(LineStarting(lines, "button \"right\""),
            "button \"right\": box (110, 65, 30 x 16); background frames 1 to 3 (hover, normal, pressed) at "
            "(124, 65), icon frame 6 at (112, 65), each 16 x 16");
  EXPECT_NE(LineStarting(lines, "button \"left\"").find("icon frames 4 and 5 (start, pause) at (34, 65)"),
            std::string::npos);
}
