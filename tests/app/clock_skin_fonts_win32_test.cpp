#include <windows.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "app/clock_skin_win32.h"
#include "base/ormel_error.h"
#include "image/png_format.h"
#include "skin/font_family_installed_win32.h"
#include "skin/installed_royale_copy.h"
#include "skin/temp_folder.h"
#include "support/windows_path.h"

namespace {

// A renamed copy of royale's digital font: a family that neither royale nor the host brings.
constexpr const char* kFamily = "Ormel Test Segments";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// Skins in a temp folder: "plain" is royale, "fonted" is royale drawing its digits with the
// font it carries, "broken" carries the font beside a malformed description.
class SkinFontsTest : public ::testing::Test {
 protected:
  SkinFontsTest() {
    CopyOfInstalledRoyale(dir, "plain");
    dir.Write("fonted/skin.xml", Replaced(CopyOfInstalledRoyale(dir, "fonted"), "DSEG7 Classic", kFamily));
    std::filesystem::copy_file(ORMEL_TEST_FONT, dir.Path() + "fonted/segments.ttf");
    dir.Write("broken/skin.xml", "<skin><clockface>face.png</skin>");
    std::filesystem::copy_file(ORMEL_TEST_FONT, dir.Path() + "broken/segments.ttf");
  }

  TempFolder dir;
  const PngFormatRegistration png;
  FormatSettings format;
};

TEST_F(SkinFontsTest, ASkinsFontIsThereOnlyWhileTheSkinIsLoaded) {
  ASSERT_FALSE(FamilyInstalled(kFamily)) << "the host must not have the test font";
  ClockSkin skin(Backslashed(dir.Path()));
  skin.Load("fonted", format, 1);
  EXPECT_TRUE(FamilyInstalled(kFamily));
  skin.Load("plain", format, 1);
  EXPECT_FALSE(FamilyInstalled(kFamily));
}

TEST_F(SkinFontsTest, LabelsAreMeasuredAndDrawnInTheSkinsFont) {
  ClockSkin skin(Backslashed(dir.Path()));
  skin.Load("fonted", format, 1);
  // The font is loaded for this process: GDI now draws the family like the original.
  GdiTextRasterizer gdi;
  const FontSpec own{kFamily, 14}, original{"DSEG7 Classic", 14}, fallback{"DejaVu Sans", 14};
  const TextExtent ownSize = gdi.Measure(own, "88:88:88");
  EXPECT_EQ(ownSize.width, gdi.Measure(original, "88:88:88").width);
  EXPECT_NE(ownSize.width, gdi.Measure(fallback, "88:88:88").width);
  // Drawn, the digits are the seven-segment ones, not the fallback's (the private copy is
  // hinted on its own, so its pixels need not equal the original's exactly).
  TBitmap32 drawnOwn, drawnFallback;
  for (TBitmap32* b : {&drawnOwn, &drawnFallback}) {
    b->SetSize(ownSize.width, ownSize.height);
    b->Clear(0);
  }
  gdi.Draw(drawnOwn, own, "88:88:88", 0xFFFFFF);
  gdi.Draw(drawnFallback, fallback, "88:88:88", 0xFFFFFF);
  EXPECT_NE(drawnOwn.pixels, drawnFallback.pixels);
}

TEST_F(SkinFontsTest, AFailedLoadKeepsTheSkinAndDropsTheNewFont) {
  ClockSkin skin(Backslashed(dir.Path()));
  skin.Load("plain", format, 1);
  EXPECT_THROW(skin.Load("broken", format, 1), OrmelError);
  EXPECT_FALSE(FamilyInstalled(kFamily));
  EXPECT_EQ(skin.Frame().width, 192);
}

}  // namespace
