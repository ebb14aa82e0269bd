#include "app/clock_skin_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/clock_tick.h"
#include "base/ormel_error.h"
#include "image/png_format.h"
#include "image/resample.h"
#include "support/fake_clock.h"
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

// How steep a box's edges are, as a share of its contrast: the mean of the steepest tenth of
// the brightness steps between neighbours across it, over its brightest minus its darkest. Text
// drawn at the pixels it is shown with steps from ink to ground in one pixel; text enlarged
// ramps over several.
double EdgeSteepness(const TBitmap32& frame, const TLabel& box, int scaleBy = 1) {
  auto brightness = [](uint32_t p) { return RedOf(p) + GreenOf(p) + BlueOf(p); };
  const int left = box.left * scaleBy, top = box.top * scaleBy;
  const int right = (box.left + box.width) * scaleBy, bottom = (box.top + box.height) * scaleBy;
  std::vector<int> steps;
  int lo = 3 * 255, hi = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const int b = brightness(frame.At(x, y));
      lo = std::min(lo, b), hi = std::max(hi, b);
      if (x + 1 < right) steps.push_back(std::abs(brightness(frame.At(x + 1, y)) - b));
    }
  std::sort(steps.rbegin(), steps.rend());
  const size_t tenth = std::max<size_t>(1, steps.size() / 10);
  double sum = 0;
  for (size_t i = 0; i < tenth; ++i) sum += steps[i];
  return sum / tenth / std::max(1, hi - lo);
}

TEST_F(ClockSkinTest, TextAtTwiceThePixelsIsSharperThanTheFrameEnlarged) {
  FakeClock clock(46364.156597222);  // 3:45:30, the hands well below the title
  ClockState state(clock);
  state.FFormatSettings = format;
  state.hands = HandAnglesFrom(clock.Now());
  ClockSkin at1(Backslashed(dir.Path())), at2(Backslashed(dir.Path()));
  at1.Load("plain", format, 1);
  at2.Load("plain", format, 2);
  at1.Compose(state, clock.Now(), 0, false);
  at2.Compose(state, clock.Now(), 0, false);
  TBitmap32 enlarged;
  ResampleLanczos3(at1.Frame(), 384, 384, enlarged);
  const TLabel title = at1.HitAreas().title;  // "Clock"
  const double drawn = EdgeSteepness(at2.Frame(), at2.HitAreas().title);
  const double blown = EdgeSteepness(enlarged, title, 2);
  EXPECT_GT(drawn, blown * 1.5) << "edges drawn at 2x: " << drawn << " of the contrast per pixel, enlarged: " << blown;
}

// At scale 1 the drawn skin is the loaded one, kept once: rescaling from it and back draws
// what loads at those scales draw.
TEST_F(ClockSkinTest, ARescaledSkinDrawsAsOneLoadedAtItsScale) {
  FakeClock clock(46364.156597222);
  ClockState state(clock);
  state.FFormatSettings = format;
  state.hands = HandAnglesFrom(clock.Now());
  auto frameOf = [&](ClockSkin& skin) {
    skin.Compose(state, clock.Now(), 0, false);
    return skin.Frame().pixels;
  };
  ClockSkin loadedAt1(Backslashed(dir.Path())), loadedAt2(Backslashed(dir.Path())), moved(Backslashed(dir.Path()));
  loadedAt1.Load("plain", format, 1);
  loadedAt2.Load("plain", format, 2);
  moved.Load("plain", format, 1);
  for (double scale : {2.0, 1.0, 2.0}) {
    moved.Rescale(scale);
    EXPECT_EQ(frameOf(moved), frameOf(scale == 1 ? loadedAt1 : loadedAt2)) << "after rescaling to " << scale;
  }
}

}  // namespace
