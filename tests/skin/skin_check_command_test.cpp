#include "skin/skin_check_command.h"

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
