#include "skin/compose_frame.h"

#include <gtest/gtest.h>

#include "image/blend.h"
#include "support/box_text_rasterizer.h"
#include "support/filled_bitmap.h"

namespace {

constexpr int kSize = 192;
constexpr uint32_t kFacePixel = 0xFF202020;

// A label colour 0x00BBGGRR as the opaque pixel text in it leaves on the overlay.
uint32_t Ink(uint32_t bgr) {
  return 0xFF000000u | ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

// One hand: an opaque 3 × 20 bar turning about its bottom-middle pixel.
void SetHand(TRotLayer& layer, uint32_t colour, FloatPoint position) {
  layer.bitmap = Filled(3, 20, colour);
  layer.bitmapCenter = {1, 19};
  layer.position = position;
}

struct Face {
  SkinSurfaces s;
  FaceLabels labels;
  TSknButton left{10, 170, 20, 4}, right{100, 170, 20, 4};
  BoxTextRasterizer text;
  FrameTexts texts{"clock", "12:34:56", "Dec 08", "", "TUESDAY"};
  FrameInputs in;

  // Over the default transparent face, and without glass, the frame is the overlay itself.
  explicit Face(uint32_t facePixel = 0) {
    s.face = Filled(kSize, kSize, facePixel);
    s.frame.SetSize(kSize, kSize);
    // Strip frames of 4 × 4 pixels, frame k in red k × 40, so each icon can be told apart.
    s.buttonStrip.SetSize(24, 4);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 24; ++x) s.buttonStrip.At(x, y) = Argb(255, (x / 4) * 40, 0, 0);
    // Labels apart from each other, one per row band.
    labels.lTitle.top = 10;
    labels.lWeekDay.top = 30;
    labels.lTime.top = labels.lTimeBg.top = 50;
    labels.lDate.top = 80;
    labels.lAmPm.top = 100;
    SetHand(s.hours, 0xFF0000FF, {40, 150});
    SetHand(s.minutes, 0xFF00FF00, {80, 150});
    SetHand(s.seconds, 0xFFFF0000, {120, 150});
  }

  // A full composition: a composer that has composed nothing yet.
  void Compose() { FrameComposer().ComposeFrame(s, labels, {left, right}, text, texts, in); }
  // The frame pixel at the first character cell of a label's text.
  uint32_t LabelPixel(const TLabel& label, const std::string& shown) {
    const int w = text.Measure(label.font, shown).width;
    const int x = label.left + (label.width - w) / 2 + 1;
    return s.frame.At(x, label.top + 1);
  }
};

// The frame where the overlay is empty: the face, then the glass, both at the fade alpha.
uint32_t FaceUnderGlass(uint32_t glass, uint8_t alpha) {
  TBitmap32 expected = Filled(1, 1, 0);
  BlendOver(expected, 0, 0, Filled(1, 1, kFacePixel), alpha);
  BlendOver(expected, 0, 0, Filled(1, 1, glass), alpha);
  return expected.pixels[0];
}

}  // namespace

TEST(ComposeFrame, LabelColoursFollowBeepAndHover) {
  struct Case {
    bool beep, even, hot;
    bool timeWhite, titleWhite;
  } cases[] = {
      {false, true, false, false, false}, {true, true, false, true, false},
      {true, false, false, false, false}, {false, false, true, false, true},
  };
  for (const Case& c : cases) {
    Face f;
    f.in.beepRunning = c.beep;
    f.in.secondEven = c.even;
    f.in.titleHot = c.hot;
    f.Compose();
    const TLabel& time = f.labels.lTime;
    const TLabel& title = f.labels.lTitle;
    EXPECT_EQ(f.LabelPixel(time, f.texts.time), Ink(c.timeWhite ? 0xFFFFFF : time.font.color));
    EXPECT_EQ(f.LabelPixel(title, f.texts.title), Ink(c.titleWhite ? 0xFFFFFF : title.font.color));
    EXPECT_EQ(f.LabelPixel(f.labels.lDate, f.texts.date), Ink(f.labels.lDate.font.color));
  }
}

TEST(ComposeFrame, TimeDrawsOverItsDimmedBackground) {
  Face f;
  f.texts.time = "1 :00:00";  // a gap where the background's "8" shows through
  f.Compose();
  const TLabel& bg = f.labels.lTimeBg;
  const int cell = BoxTextRasterizer::CellWidth(bg.font);
  const int x = bg.left + (bg.width - 8 * cell) / 2;
  EXPECT_EQ(f.s.frame.At(x + 1, bg.top + 1), Ink(f.labels.lTime.font.color));
  EXPECT_EQ(f.s.frame.At(x + cell + 1, bg.top + 1), Ink(bg.font.color));
}

TEST(ComposeFrame, WhichLabelsAndHandsAppear) {
  struct Case {
    bool weekdayWithoutHands, arrows;
    std::string amPm;
    bool weekday, hands;
    int draws;  // two passes per label drawn
  } cases[] = {
      {true, true, "pm", false, true, 10}, {true, false, "pm", true, false, 12},
      {true, true, "", false, true, 8},    {false, false, "", false, false, 8},
      {false, true, "", false, true, 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "weekday mode " << c.weekdayWithoutHands << " arrows " << c.arrows << " "
                                      << c.amPm);
    Face f;
    f.in.weekdayWithoutHands = c.weekdayWithoutHands;
    f.in.displayArrows = c.arrows;
    f.texts.amPm = c.amPm;
    f.Compose();
    const TBitmap32& o = f.s.frame;
    EXPECT_EQ(f.LabelPixel(f.labels.lWeekDay, f.texts.weekday) != 0, c.weekday);
    EXPECT_EQ(f.LabelPixel(f.labels.lAmPm, "pm") != 0, !c.amPm.empty());
    EXPECT_EQ(o.At(40, 140), c.hands ? 0xFF0000FFu : 0u);
    EXPECT_EQ(o.At(120, 140), c.hands ? 0xFFFF0000u : 0u);
    EXPECT_EQ(f.text.draws, c.draws);
  }
}

TEST(ComposeFrame, SecondHandLiesOnTop) {
  Face f;
  SetHand(f.s.minutes, 0xFF00FF00, {96, 96});
  SetHand(f.s.seconds, 0xFFFF0000, {96, 96});
  SetHand(f.s.hours, 0xFF0000FF, {96, 96});
  f.s.hours.angle = -90;  // the hour hand points right, the others up
  f.Compose();
  EXPECT_EQ(f.s.frame.At(96, 90), 0xFFFF0000u);
  EXPECT_EQ(f.s.frame.At(96, 96), 0xFFFF0000u);
  EXPECT_EQ(f.s.frame.At(110, 96), 0xFF0000FFu);
}

TEST(ComposeFrame, LeftButtonIconFollowsTheRunningStopwatch) {
  struct Case {
    bool watchRunning;
    int icon;
  } cases[] = {{true, 4}, {false, 3}};
  for (const Case& c : cases) {
    Face f;
    f.in.watchRunning = c.watchRunning;
    f.Compose();
    const TBitmap32& o = f.s.frame;
    EXPECT_EQ(f.left.Icon, c.icon);
    EXPECT_EQ(RedOf(o.At(f.left.left + 14, 170)), c.icon * 40) << c.watchRunning;
    EXPECT_EQ(RedOf(o.At(f.right.left + 2, 170)), 5 * 40);  // the right icon is always 5
  }
}

TEST(ComposeFrame, FlattensFaceOverlayAndStretchedGlass) {
  for (uint8_t alpha : {uint8_t(255), uint8_t(128)}) {
    Face f(kFacePixel);
    f.s.glass = Filled(1, 1, 0x40404040);  // one pixel stretched over the whole face
    f.in.constantAlpha = alpha;
    f.Compose();

    EXPECT_EQ(f.s.frame.At(0, 0), FaceUnderGlass(0x40404040, alpha));
    EXPECT_EQ(f.s.frame.At(kSize - 1, kSize - 1), FaceUnderGlass(0x40404040, alpha));

    // Over the second hand the glass still lies on top.
    TBitmap32 hand = Filled(1, 1, 0);
    BlendOver(hand, 0, 0, Filled(1, 1, kFacePixel), alpha);
    BlendOver(hand, 0, 0, Filled(1, 1, 0xFFFF0000), alpha);
    BlendOver(hand, 0, 0, f.s.glass, alpha);
    EXPECT_EQ(f.s.frame.At(120, 140), hand.pixels[0]);
  }
}

// One composer through a fade and a skin load: the fade's frames keep the stretched glass,
// the next skin's glass replaces it.
TEST(ComposeFrame, AStretchedGlassLastsUntilTheNextSkin) {
  Face f(kFacePixel);
  FrameComposer composer;
  auto compose = [&](uint8_t alpha) {
    f.in.constantAlpha = alpha;
    composer.ComposeFrame(f.s, f.labels, {f.left, f.right}, f.text, f.texts, f.in);
  };
  f.s.glass = Filled(1, 1, 0x40404040);
  for (uint8_t alpha : {255, 128, 1, 255}) {
    compose(alpha);
    EXPECT_EQ(f.s.frame.At(kSize - 1, 0), FaceUnderGlass(0x40404040, alpha)) << int(alpha);
  }
  f.s.glass = Filled(2, 2, 0x80008000);
  composer.Forget();
  compose(255);
  EXPECT_EQ(f.s.frame.At(kSize - 1, 0), FaceUnderGlass(0x80008000, 255));
}

TEST(ComposeFrame, EachFrameStartsFromAClearOverlay) {
  Face f(kFacePixel);
  f.s.frame = Filled(kSize, kSize, 0xFFFFFFFF);
  f.Compose();
  ASSERT_EQ(f.s.frame.At(40, 140), 0xFF0000FFu);
  f.in.displayArrows = false;
  f.s.face.Clear(0);
  f.Compose();
  EXPECT_EQ(f.s.frame.At(40, 140), 0u);  // the frame is rebuilt, not blended over the last
}

// A composer going on from its last frame draws again only the rows' runs that changed, and
// gives the frame a composition from nothing gives: no stroke of a hand's last angle is left,
// and nothing over or under a hand is lost.
TEST(ComposeFrame, GoingOnGivesTheFrameOfAFullComposition) {
  struct Case {
    const char* what;
    void (*start)(Face&);
    void (*change)(Face&);
  } cases[] = {
      {"the second hand turns across a label that changes",
       [](Face& f) { SetHand(f.s.seconds, 0xFFFF0000, {90, 75}); },
       [](Face& f) {
         f.s.seconds.angle = -30;
         f.texts.time = "12:34:57";
       }},
      {"the second hand turns over the others at one pivot",
       [](Face& f) {
         for (TRotLayer* hand : {&f.s.hours, &f.s.minutes, &f.s.seconds}) hand->position = {96, 96};
         f.s.hours.angle = -90;
       },
       [](Face& f) { f.s.seconds.angle = -84; }},
      {"the minute hand turns under the second hand",
       [](Face& f) { f.s.minutes.position = f.s.seconds.position; },
       [](Face& f) { f.s.minutes.angle = -6; }},
      {"the hands are hidden and the weekday shows", [](Face&) {},
       [](Face& f) { f.in.displayArrows = false; }},
      {"the hands show again, turned meanwhile", [](Face& f) { f.in.displayArrows = false; },
       [](Face& f) {
         f.in.displayArrows = true;
         f.s.seconds.angle = -120;
       }},
      {"a hand half off the frame turns", [](Face& f) { f.s.hours.position = {1, 5}; },
       [](Face& f) { f.s.hours.angle = 150; }},
      {"a button lights under a turning hand", [](Face& f) { f.s.hours.position = {12, 185}; },
       [](Face& f) {
         f.left.state = TSknButton::kHover;
         f.s.hours.angle = -45;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Face f(kFacePixel);
    f.s.glass = Filled(1, 1, 0x40404040);
    FrameComposer composer;
    c.start(f);
    composer.ComposeFrame(f.s, f.labels, {f.left, f.right}, f.text, f.texts, f.in);
    c.change(f);
    composer.ComposeFrame(f.s, f.labels, {f.left, f.right}, f.text, f.texts, f.in);
    Face full = f;
    full.Compose();
    EXPECT_EQ(f.s.frame.pixels, full.s.frame.pixels);
  }
}
