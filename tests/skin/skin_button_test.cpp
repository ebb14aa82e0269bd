#include "skin/skin_button.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A 16-high strip whose frames are opaque and tell themselves apart by their blue byte.
TBitmap32 NumberedStrip(int frames = 6) {
  TBitmap32 strip;
  strip.SetSize(frames * 16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < strip.width; ++x) strip.At(x, y) = 0xFF000000u | static_cast<uint32_t>(x / 16 + 1);
  return strip;
}

// The frame number drawn at (x, y) of the target, or -1 where nothing was drawn.
int FrameAt(const TBitmap32& target, int x, int y) {
  const uint32_t p = target.At(x, y);
  return p == 0 ? -1 : static_cast<int>(BlueOf(p)) - 1;
}

}  // namespace

TEST(SkinButton, HitTestIncludesBothEdges) {
  const TSknButton b(20, 65, 30, 16);
  struct Case { int x, y; bool inside; };
  const Case cases[] = {
      {20, 65, true}, {50, 81, true}, {50, 65, true}, {35, 70, true},
      {19, 70, false}, {51, 70, false}, {35, 64, false}, {35, 82, false},
  };
  for (const Case& c : cases) EXPECT_EQ(b.HitTest(c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST(SkinButton, HoverPressLeaveReleaseSequence) {
  TSknButton b(20, 65, 30, 16);
  struct Step { enum { Move, Down, Release } what; int x, y; bool changed; uint8_t state; };
  const Step steps[] = {
      {Step::Move, 0, 0, false, TSknButton::kNormal},     // outside, stays normal
      {Step::Move, 25, 70, true, TSknButton::kHover},     // enters
      {Step::Move, 30, 72, false, TSknButton::kHover},    // moving within: no change
      {Step::Down, 5, 5, false, TSknButton::kHover},      // press elsewhere does nothing
      {Step::Down, 30, 72, true, TSknButton::kPressed},   // press inside
      {Step::Move, 90, 90, false, TSknButton::kPressed},  // leaving keeps it pressed
      {Step::Move, 31, 72, true, TSknButton::kHover},     // back inside becomes hover
      {Step::Down, 31, 72, true, TSknButton::kPressed},
      {Step::Release, 31, 72, false, TSknButton::kNormal},
      {Step::Move, 32, 72, true, TSknButton::kHover},     // still inside after release
      {Step::Move, 51, 72, true, TSknButton::kNormal},    // leaves
  };
  for (const Step& s : steps) {
    bool changed = false;
    if (s.what == Step::Move) changed = b.MouseMoveTo(s.x, s.y);
    if (s.what == Step::Down) changed = b.MouseDownAt(s.x, s.y);
    if (s.what == Step::Release) b.Release();
    EXPECT_EQ(changed, s.changed) << "at " << s.x << "," << s.y;
    EXPECT_EQ(b.state, s.state) << "at " << s.x << "," << s.y;
  }
}

TEST(SkinButton, PaintsBackgroundForStateAndIconBesideIt) {
  const TBitmap32 strip = NumberedStrip();
  // frameX is the frame's left edge; probeX a column where the icon does not cover it.
  struct Case { int left; uint8_t state; int icon; int frameX, probeX, frame, iconX; const char* why; };
  const Case cases[] = {
      {20, TSknButton::kNormal, 3, 20, 33, 1, 34, "left button, start icon right of its frame"},
      {20, TSknButton::kHover, 4, 20, 33, 0, 34, "hover background, pause icon"},
      {20, TSknButton::kPressed, 3, 20, 33, 2, 34, "pressed background"},
      {110, TSknButton::kNormal, 5, 124, 139, 1, 112, "right button: frame at 124, icon at 112"},
      {110, TSknButton::kPressed, 5, 124, 139, 2, 112, "right button pressed"},
  };
  for (const Case& c : cases) {
    TBitmap32 target;
    target.SetSize(160, 100);
    target.Clear(0);
    TSknButton b(c.left, 65, 30, 16);
    b.state = c.state;
    b.Icon = c.icon;
    b.Strip = &strip;
    b.PaintTo(target);
    // The icon is drawn last, so where the two overlap the icon shows.
    EXPECT_EQ(FrameAt(target, c.probeX, 80), c.frame) << c.why;
    EXPECT_EQ(FrameAt(target, c.frameX + 16, 70), c.frameX < c.iconX ? c.icon : -1) << c.why;
    EXPECT_EQ(FrameAt(target, c.iconX, 65), c.icon) << c.why;
    EXPECT_EQ(FrameAt(target, c.iconX + 15, 80), c.icon) << c.why;
    EXPECT_EQ(FrameAt(target, std::min(c.frameX, c.iconX) - 1, 70), -1) << c.why;
    EXPECT_EQ(FrameAt(target, std::max(c.frameX, c.iconX) + 16, 70), -1) << c.why;
    EXPECT_EQ(FrameAt(target, c.iconX, 64), -1) << c.why;
    EXPECT_EQ(FrameAt(target, c.iconX, 81), -1) << c.why;
  }
}

TEST(SkinButton, PaintingIsClippedAndNeedsAStrip) {
  TBitmap32 target;
  target.SetSize(40, 20);
  target.Clear(0);
  TSknButton b(30, 10, 30, 16);
  b.PaintTo(target);  // no strip yet: nothing to draw
  EXPECT_EQ(FrameAt(target, 35, 15), -1);

  const TBitmap32 strip = NumberedStrip();
  b.Strip = &strip;
  b.PaintTo(target);  // hangs over the right and bottom edges
  EXPECT_EQ(FrameAt(target, 39, 19), 1);
  EXPECT_EQ(FrameAt(target, 29, 19), -1);

  const TBitmap32 narrow = NumberedStrip(2);  // a strip without icon frames draws only what it has
  b.left = 0;
  b.top = 0;
  target.Clear(0);
  b.Strip = &narrow;
  b.PaintTo(target);
  EXPECT_EQ(FrameAt(target, 0, 0), 1);
  EXPECT_EQ(FrameAt(target, 15, 0), 1);
  EXPECT_EQ(FrameAt(target, 16, 0), -1);
}
