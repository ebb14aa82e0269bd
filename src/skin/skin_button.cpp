#include "skin/skin_button.h"

#include <algorithm>

#include "image/merge.h"

namespace {

constexpr int kFrameHover = 0, kFrameNormal = 1, kFramePressed = 2, kIconRight = 5;

// Strip frames are squares as high as the strip, side by side.
void DrawFrame(TBitmap32& target, const PixelRect& clip, const TBitmap32& strip, int frame, int x, int y) {
  const int side = strip.height;
  const PixelRect r = Intersection(clip, {x, y, x + side, y + side});
  if (r.Empty()) return;
  MergeRect(target, r.left, r.top, strip, frame * side + r.left - x, r.top - y, r.Width(), r.Height());
}

}  // namespace

bool TSknButton::HitTest(int x, int y) const {
  return x >= left && x <= left + width && y >= top && y <= top + height;
}

bool TSknButton::MouseMoveTo(int x, int y) {
  const bool inside = HitTest(x, y);
  // Only hover follows the pointer out: a pressed button it leaves stays pressed.
  const bool changes = inside ? state != kHover : state == kHover;
  if (!changes) return false;
  state = inside ? kHover : kNormal;
  return true;
}

bool TSknButton::MouseDownAt(int x, int y) {
  if (!HitTest(x, y)) return false;
  state = kPressed;
  return true;
}

// The right button keeps its background right of its icon.
int TSknButton::FrameLeft() const { return Icon == kIconRight ? left + IconOffset : left; }
int TSknButton::IconLeft() const { return Icon == kIconRight ? left + IconNudge : left + IconOffset; }

void TSknButton::PaintTo(TBitmap32& target) const { PaintTo(target, WholeOf(target)); }

void TSknButton::PaintTo(TBitmap32& target, const PixelRect& clip) const {
  if (Strip == nullptr || Strip->Empty()) return;
  const int frameLeft = FrameLeft();
  if (state == kHover) {
    DrawFrame(target, clip, *Strip, kFrameHover, frameLeft, top);
  } else if (state == kNormal) {
    DrawFrame(target, clip, *Strip, kFrameNormal, frameLeft, top);
  } else if (state & 4) {
    DrawFrame(target, clip, *Strip, kFramePressed, frameLeft, top);
  }
  DrawFrame(target, clip, *Strip, Icon, IconLeft(), top);
}

PixelRect TSknButton::PaintArea() const {
  if (Strip == nullptr || Strip->Empty()) return {};
  const int side = Strip->height;
  const int x0 = std::min(FrameLeft(), IconLeft());
  return {x0, top, std::max(FrameLeft(), IconLeft()) + side, top + side};
}
