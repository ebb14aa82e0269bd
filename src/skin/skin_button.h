#pragma once
#include <cstdint>

#include "image/bitmap32.h"
#include "image/pixel_rect.h"

// A window-less face button that paints its frame and icon from the skin's button strip.
class TSknButton {
 public:
  enum : uint8_t { kNormal = 1, kHover = 2, kPressed = 6 };

  TSknButton(int left, int top, int width, int height)
      : left(left), top(top), width(width), height(height) {}

  bool HitTest(int x, int y) const;
  // Updates hover; returns whether the state changed (the caller then redraws and sets the cursor).
  bool MouseMoveTo(int x, int y);
  bool MouseDownAt(int x, int y);
  void Release() { state = kNormal; }
  void PaintTo(TBitmap32& target) const;
  // Paints only the pixels of target inside `clip`.
  void PaintTo(TBitmap32& target, const PixelRect& clip) const;
  // Where PaintTo can touch the target: the background frame and the icon.
  PixelRect PaintArea() const;

  int left, top, width, height;
  int IconOffset = 14;
  int IconNudge = 2;  // the right button's icon sits this far right of its offset
  uint8_t state = kNormal;
  const TBitmap32* Strip = nullptr;
  int Icon = 3;

 private:
  int FrameLeft() const;
  int IconLeft() const;
};
