#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/bitmap32.h"
#include "image/pixel_rect.h"
#include "skin/rot_layer.h"

// What one hand layer paints at an angle, kept for the angles it comes back to: the samples
// PaintRotLayer merges, so that merging them onto an overlay gives exactly its pixels.
// The second hand shows one of sixty angles; the others move on and keep one.
class HandInk {
 public:
  // Keeps up to `turns` angles 6 degrees apart, as the second hand's are; fewer when a
  // skin's hand is so large that they would not fit in the memory set aside for them.
  explicit HandInk(int turns) : maxTurns_(turns) {}

  // Brings the samples to the layer's angle; true when they changed. `blank` is face-sized
  // and transparent black, and is left so.
  bool Update(const TRotLayer& layer, TBitmap32& blank);
  // Every kept angle goes: a new skin brings new hands.
  void Forget();

  PixelRect Area() const { return current_ ? current_->area : PixelRect{}; }
  // Merges the samples onto `target` inside `clip`, as PaintRotLayer does.
  void MergeInto(TBitmap32& target, const PixelRect& clip) const;

 private:
  struct Turn {
    bool painted = false;
    float angle = 0;
    FloatPoint bitmapCenter, position;
    PixelRect area;
    TBitmap32 samples;  // the area's pixels, 0 where the hand leaves the overlay as it is
  };
  static bool Same(const Turn& t, const TRotLayer& layer);
  static void Paint(Turn& turn, const TRotLayer& layer, TBitmap32& blank);
  size_t TurnFor(const TRotLayer& layer);

  int maxTurns_;
  bool counted_ = false;  // turns_ holds as many turns as this skin's hand may keep
  std::vector<Turn> turns_;
  const Turn* current_ = nullptr;
};
