#include "skin_check/check_command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "image/png_format.h"
#include "skin/temp_folder.h"

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A copy of a shipped skin to break.
std::string CopyOfSkin(const TempFolder& dir, const std::string& name) {
  const fs::path to = fs::path(dir.Path()) / name;
  fs::copy(fs::path(ORMEL_SOURCE_DIR) / "skins" / name, to, fs::copy_options::recursive);
  return to.string();
}

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

TEST(SkinCheckCommand, ShippedSkinsAreClean) {
  const PngFormatRegistration png;
  for (const char* skin : {"skins/royale", "skins/slate", "docs/example-skin"}) {
    std::ostringstream out;
    EXPECT_EQ(RunSkinCheck(std::string(ORMEL_SOURCE_DIR) + "/" + skin, out), 0) << out.str();
    EXPECT_NE(out.str().find(": no problems"), std::string::npos) << skin << ":\n" << out.str();
  }
}

TEST(SkinCheckCommand, BrokenCopiesNameTheirProblem) {
  struct Case {
    const char* why;
    void (*breakIt)(const fs::path& skin);
    const char* named;
  };
  const Case cases[] = {
      {"image missing", [](const fs::path& s) { fs::remove(s / "minutes.png"); },
       "minutes.png (skin/minutes/filename): "},
      {"image corrupt",
       [](const fs::path& s) { std::ofstream(s / "glass.png", std::ios::binary) << "not a png"; },
       "glass.png (skin/glass): "},
      {"image cut short",
       [](const fs::path& s) { fs::resize_file(s / "face.png", fs::file_size(s / "face.png") / 2); },
       "face.png (skin/clockface): "},
      {"description missing", [](const fs::path& s) { fs::remove(s / "skin.xml"); }, "skin.xml: "},
      {"face declared beyond the cap",
       [](const fs::path& s) {
         std::string xml = Read(s / "skin.xml");
         xml.replace(xml.find(R"(width="192" height="192")"), 24, R"(width="60000" height="60000")");
         std::ofstream(s / "skin.xml", std::ios::binary) << xml;
       },
       "skin.xml: the face is 60000 x 60000 pixels; at most 2048 x 2048 can be shown"},
      {"its font left out", [](const fs::path& s) { fs::remove(s / "DSEG7Classic-Regular.ttf"); },
       "skin.xml: font \"DSEG7 Classic\" (labels \"time\", \"timebg\") is neither in the skin folder"},
      {"description malformed",
       [](const fs::path& s) {
         const std::string xml = Read(s / "skin.xml");
         std::ofstream(s / "skin.xml", std::ios::binary) << xml.substr(0, xml.size() / 2);
       },
       "skin.xml: "},
  };
  const PngFormatRegistration png;
  for (const Case& c : cases) {
    TempFolder dir;
    const std::string skin = CopyOfSkin(dir, "royale");
    c.breakIt(skin);
    std::ostringstream out;
    EXPECT_EQ(RunSkinCheck(skin, out), 1) << c.why;
    EXPECT_NE(out.str().find(skin + "/" + c.named), std::string::npos) << c.why << ":\n" << out.str();
  }
}

TEST(SkinCheckCommand, WarningsAloneHaveAnExitCodeOfTheirOwn) {
  const PngFormatRegistration png;
  TempFolder dir;
  const std::string skin = CopyOfSkin(dir, "royale");
  std::string xml = Read(fs::path(skin) / "skin.xml");
  const size_t glass = xml.find("<glass>");
  ASSERT_NE(glass, std::string::npos);
  xml.insert(glass, "<glas/>");
  std::ofstream(fs::path(skin) / "skin.xml", std::ios::binary) << xml;
  std::ostringstream out;
  EXPECT_EQ(RunSkinCheck(skin, out), kSkinHasWarnings) << out.str();
  EXPECT_NE(out.str().find("warning: " + skin + "/skin.xml: skin: the clock reads no element <glas>"),
            std::string::npos) << out.str();
  EXPECT_NE(out.str().find(skin + "/: 0 errors, 1 warning"), std::string::npos) << out.str();
}

TEST(SkinCheckCommand, VerboseListsWhatTheClockReads) {
  const PngFormatRegistration png;
  std::ostringstream out;
  EXPECT_EQ(RunSkinCheck(std::string(ORMEL_SOURCE_DIR) + "/skins/royale", out, true), kSkinClean) << out.str();
  const std::string listed = out.str();
  for (const char* line : {"label \"title\": box (", "label \"ampm\": box (", "hand \"seconds\": ",
                           "button \"right\": box ("})
    EXPECT_NE(listed.find(line), std::string::npos) << line << " in:\n" << listed;
  EXPECT_NE(listed.find("no problems"), std::string::npos) << listed;
}

TEST(SkinCheckCommand, MeasuresTheCarriedFontAndNotesTheEstimatedOnes) {
  const PngFormatRegistration png;
  const std::string royale = std::string(ORMEL_SOURCE_DIR) + "/skins/royale";
  std::ostringstream out;
  EXPECT_EQ(RunSkinCheck(royale, out, true), kSkinClean) << out.str();
  const std::string listed = out.str();
  // What ormel-skin.exe measures on Windows in the seven-segment font royale brings.
  EXPECT_NE(listed.find("label \"time\": box (60, 102, 72 x 13) for \"88:88:88\" in \"DSEG7 Classic\""),
            std::string::npos) << listed;
  EXPECT_NE(listed.find("label \"weekday\": box (66, 76, 48 x 10), its size estimated, for"), std::string::npos)
      << listed;
  // The title's box is the skin's own, so only the labels sized by their text are named.
  EXPECT_NE(listed.find("note: " + royale + "/skin.xml: font \"Tahoma\" (labels \"weekday\", \"date\", \"ampm\") "
                        "is not in the skin folder, so this check only estimates the size of their text"),
            std::string::npos) << listed;
  EXPECT_NE(listed.find(royale + "/: no problems, 1 note"), std::string::npos) << listed;
}

// An estimate is only a note, unless even three quarters of the estimated box leave the face:
// then the text is off it in the font named, and Windows warns as well.
TEST(SkinCheckCommand, AnEstimatedBoxOutsideTheFaceIsANoteUnlessEvenMostOfItIsOff) {
  struct Case {
    const char* why;
    const char* from;
    const char* to;
    int exitCode;
    const char* said;
  } const cases[] = {
      {"estimated past the right edge", R"(text="88/88/8888" x="68")", R"(text="88/88/8888" x="150")", kSkinClean,
       "note: %s/skin.xml: label \"date\" box (150, 121, 54 x 10), its size estimated, may reach outside the "
       "192 x 192 face"},
      {"pushed off the face: a generous estimate still reaches outside", R"(text="88/88/8888" x="68")",
       R"(text="88/88/8888" x="170")", kSkinHasWarnings,
       "warning: %s/skin.xml: label \"date\" box (170, 121, 54 x 10) reaches outside the 192 x 192 face"},
      {"its left edge off the face", R"(text="88/88/8888" x="68")", R"(text="88/88/8888" x="200")",
       kSkinHasWarnings, "warning: %s/skin.xml: label \"date\" box (200, 121, 54 x 10) reaches outside"},
      {"measured past the right edge", R"(text="88:88:88" x="60" y="102" align="center">
    <font name="DSEG7 Classic" size="10" color="$005CC4FF"/>)",
       R"(text="88:88:88" x="150" y="102" align="center">
    <font name="DSEG7 Classic" size="10" color="$005CC4FF"/>)",
       kSkinHasWarnings, "warning: %s/skin.xml: label \"time\" box (150, 102, 72 x 13) reaches outside"},
  };
  const PngFormatRegistration png;
  for (const Case& c : cases) {
    TempFolder dir;
    const std::string skin = CopyOfSkin(dir, "royale");
    std::string xml = Read(fs::path(skin) / "skin.xml");
    const size_t at = xml.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.why;
    xml.replace(at, std::string(c.from).size(), c.to);
    std::ofstream(fs::path(skin) / "skin.xml", std::ios::binary) << xml;
    std::ostringstream out;
    EXPECT_EQ(RunSkinCheck(skin, out), c.exitCode) << c.why << ":\n" << out.str();
    char said[512];
    std::snprintf(said, sizeof said, c.said, skin.c_str());
    EXPECT_NE(out.str().find(said), std::string::npos) << c.why << ":\n" << out.str();
  }
}

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
