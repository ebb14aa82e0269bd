#include "skin/skin_button.h"

#include "image/merge.h"

namespace {

constexpr int kFrameHover = 0, kFrameNormal = 1, kFramePressed = 2, kIconRight = 5;

// Strip frames are squares as high as the strip, side by side.
void DrawFrame(TBitmap32& target, const TBitmap32& strip, int frame, int x, int y) {
  const int side = strip.height;
  MergeRect(target, x, y, strip, frame * side, 0, side, side);
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

void TSknButton::PaintTo(TBitmap32& target) const {
  if (Strip == nullptr || Strip->Empty()) return;
  // The right button keeps its background right of its icon.
  const bool rightIcon = Icon == kIconRight;
  const int frameLeft = rightIcon ? left + IconOffset : left;
  if (state == kHover) {
    DrawFrame(target, *Strip, kFrameHover, frameLeft, top);
  } else if (state == kNormal) {
    DrawFrame(target, *Strip, kFrameNormal, frameLeft, top);
  } else if (state & 4) {
    DrawFrame(target, *Strip, kFramePressed, frameLeft, top);
  }
  const int iconLeft = rightIcon ? frameLeft - IconOffset + IconNudge : frameLeft + IconOffset;
  DrawFrame(target, *Strip, Icon, iconLeft, top);
}
