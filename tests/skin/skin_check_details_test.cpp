#include "skin/skin_check_details.h"

#include <gtest/gtest.h>

namespace {

std::string LineStarting(const std::vector<std::string>& lines, const std::string& start) {
  for (const std::string& line : lines)
    if (line.rfind(start, 0) == 0) return line;
  return "no line starts with " + start;
}

// A measure that could only estimate text in Tahoma.
class TahomaEstimated : public MeasuredFonts {
 public:
  bool Estimated(const std::string& face) const override { return face == "Tahoma"; }
};

}  // namespace

TEST(SkinCheckDetails, ListsWhatTheClockReads) {
  SkinState skin;
  skin.labels.lTime = {45, 95, 72, 19, "88:88:88", {"Digital", 19, 0x00123456}};
  skin.surfaces.hours.bitmap.SetSize(8, 50);
  skin.surfaces.hours.bitmapCenter = {4, 42.5f};
  skin.surfaces.hours.position = {75, 75};
  skin.surfaces.buttonStrip.SetSize(96, 16);
  skin.right = {110, 65, 30, 16};
  const std::vector<CarriedFont> carried = {{"oldstd.ttf", {}, {"Old Standard TT"}},
                                            {"two.otf", {}, {"Digital", "Digital Bold"}},
                                            {"broken.ttf", {}, {}}};
  const std::vector<std::string> lines = DescribeSkin(skin, EveryFontMeasured(), carried);
  EXPECT_EQ(lines.size(), 14u);
  // Colours are blue first: $00123456 is red 0x56.
  EXPECT_EQ(LineStarting(lines, "label \"time\""),
            "label \"time\": box (45, 95, 72 x 19) for \"88:88:88\" in \"Digital\" 19 px; colour $00123456: "
            "red 86, green 52, blue 18");
  EXPECT_EQ(LineStarting(lines, "hand \"hours\""),
            "hand \"hours\": 8 x 50 image, pivot (4, 42.5) on the face at (75, 75); reaches 42.5 pixels to its tip "
            "and 7.5 behind the pivot");
  EXPECT_EQ(LineStarting(lines, "button \"right\""),
            "button \"right\": box (110, 65, 30 x 16); background frames 0 to 2 (hover, normal, pressed) at "
            "(124, 65), icon frame 5 at (112, 65), each 16 x 16");
  EXPECT_NE(LineStarting(lines, "button \"left\"").find("icon frames 3 and 4 (start, pause) at (34, 65)"),
            std::string::npos);
  // An author on Linux learns the family names Windows matches label fonts against.
  EXPECT_EQ(LineStarting(lines, "font file \"oldstd.ttf\""), "font file \"oldstd.ttf\": family \"Old Standard TT\"");
  EXPECT_EQ(LineStarting(lines, "font file \"two.otf\""), "font file \"two.otf\": family \"Digital\", \"Digital Bold\"");
  EXPECT_EQ(LineStarting(lines, "font file \"broken.ttf\""), "font file \"broken.ttf\": no font the clock can use");
}

TEST(SkinCheckDetails, SaysWhichBoxesAreEstimated) {
  SkinState skin;
  skin.labels.lDate = {62, 112, 40, 11, "date", {"Tahoma", 9, 0}};
  skin.labels.lTitle = {45, 77, 89, 11, "clock", {"Tahoma", 9, 0}, LabelAlignment::Center, false};
  const std::vector<std::string> lines = DescribeSkin(skin, TahomaEstimated(), {});
  EXPECT_EQ(LineStarting(lines, "label \"date\"").rfind("label \"date\": box (62, 112, 40 x 11), its size estimated, "
                                                        "for \"date\" in \"Tahoma\" 9 px;", 0),
            0u);
  // The title's box is the skin's own, whatever its font.
  EXPECT_EQ(LineStarting(lines, "label \"title\"").rfind("label \"title\": box (45, 77, 89 x 11) for", 0), 0u);
  EXPECT_EQ(LineStarting(lines, "label \"time\"").find("estimated"), std::string::npos);
}
