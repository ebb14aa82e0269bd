#include "app/clock_skin_win32.h"

#include <gtest/gtest.h>

#include "base/ormel_error.h"
#include "image/png_format.h"
#include "skin/installed_royale_copy.h"
#include "skin/temp_folder.h"
#include "support/windows_path.h"

namespace {

// Skins in a temp folder: "plain" is royale, "huge" is royale declaring a 60000 x 60000 face.
class ClockSkinTest : public ::testing::Test {
 protected:
  ClockSkinTest() {
    CopyOfInstalledRoyale(dir, "plain");
    std::string huge = CopyOfInstalledRoyale(dir, "huge");
    huge.replace(huge.find(R"(width="192" height="192")"), 24, R"(width="60000" height="60000")");
    dir.Write("huge/skin.xml", huge);
  }

  // The message of a load that must fail.
  std::string Refused(ClockSkin& skin, const std::string& name, const FrameSizeCheck& canPresent = nullptr) {
    try {
      skin.Load(name, format, 1, canPresent);
      ADD_FAILURE() << name << " loaded";
    } catch (const OrmelError& e) {
      return e.what();
    }
    return "";
  }

  TempFolder dir;
  const PngFormatRegistration png;
  FormatSettings format;
};

TEST_F(ClockSkinTest, AHugeFaceIsRefusedInWordsAndTheSkinStays) {
  ClockSkin skin(Backslashed(dir.Path()));
  skin.Load("plain", format, 1);
  const std::string message = Refused(skin, "huge");
  EXPECT_EQ(message.rfind("The skin \"huge\" cannot be shown:\r\n", 0), 0u) << message;
  EXPECT_NE(message.find("skin.xml: the face is 60000 x 60000 pixels; at most 2048 x 2048 can be shown"),
            std::string::npos)
      << message;
  EXPECT_EQ(skin.Frame().width, 192);
}

TEST_F(ClockSkinTest, FramesTheWindowCannotPresentRefuseTheSkin) {
  ClockSkin skin(Backslashed(dir.Path()));
  skin.Load("plain", format, 1);
  int askedWidth = 0;
  const std::string message = Refused(skin, "plain", [&](int w, int) {
    askedWidth = w;
    return false;
  });
  EXPECT_EQ(message, "The skin \"plain\" cannot be shown:\r\nthere is not enough graphics memory to show a 192 x 192 face");
  EXPECT_EQ(askedWidth, 192);
  EXPECT_EQ(skin.Frame().width, 192);
}

TEST_F(ClockSkinTest, ASkinIsDrawnAtTheDisplayScaleAndRedrawnAtANewOne) {
  ClockSkin skin(Backslashed(dir.Path()));
  skin.Load("plain", format, 1.5);
  EXPECT_EQ(skin.Frame().width, 288);
  EXPECT_EQ(skin.Zoom().height, 288);
  EXPECT_EQ(skin.HitAreas().title.width, 120) << "royale's 80-pixel title";
  skin.Rescale(2);
  EXPECT_EQ(skin.Frame().width, 384);
  EXPECT_EQ(skin.HitAreas().handsReach, 10);
  EXPECT_FLOAT_EQ(skin.HitAreas().handsCentre.x, 192);
  // Frames the window cannot take at the new scale keep the one it had.
  EXPECT_THROW(skin.Rescale(3, [](int w, int) { return w < 500; }), OrmelError);
  EXPECT_EQ(skin.Scale(), 2);
  EXPECT_EQ(skin.Frame().width, 384);
  skin.Rescale(1);
  EXPECT_EQ(skin.Frame().width, 192);
  EXPECT_EQ(skin.HitAreas().title.width, 80);
}

}  // namespace
