#include "skin/skin_check_command.h"

#include <gtest/gtest.h>

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
