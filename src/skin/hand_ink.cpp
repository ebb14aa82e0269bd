#include "skin/hand_ink.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "image/merge.h"
#include "skin/rot_layer_paint.h"

namespace {

constexpr float kDegreesPerTurn = 6;
// The kept angles of one hand together take at most this much.
constexpr size_t kKeptBytes = 8u << 20;

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// What one painted angle takes at most: the bounding box of the hand turned any way.
size_t TurnBytesBound(const TBitmap32& hand) {
  const size_t side = static_cast<size_t>(hand.width) + hand.height + 2;
  return side * side * sizeof(uint32_t);
}

}  // namespace

bool HandInk::Same(const Turn& t, const TRotLayer& layer) {
  // Bit for bit: -0 and 0 turn the same, but nothing need be assumed about that.
  return t.painted && SameBits(t.angle, layer.angle) && SameBits(t.bitmapCenter.x, layer.bitmapCenter.x) &&
         SameBits(t.bitmapCenter.y, layer.bitmapCenter.y) && SameBits(t.position.x, layer.position.x) &&
         SameBits(t.position.y, layer.position.y);
}

size_t HandInk::TurnFor(const TRotLayer& layer) {
  if (!counted_) {  // the first angle after a Forget: nothing points into turns_ yet
    const size_t fit = std::max<size_t>(1, kKeptBytes / TurnBytesBound(layer.bitmap));
    turns_.resize(std::min<size_t>(static_cast<size_t>(maxTurns_), fit));
    counted_ = true;
  }
  const size_t n = turns_.size();
  if (n == 1 || !std::isfinite(layer.angle)) return 0;
  const long step = std::lround(std::fmod(static_cast<double>(-layer.angle) / kDegreesPerTurn, double(n)));
  return static_cast<size_t>((step % static_cast<long>(n) + static_cast<long>(n)) % static_cast<long>(n));
}

void HandInk::Paint(Turn& turn, const TRotLayer& layer, TBitmap32& blank) {
  const PixelBox box = PaintBox(layer, blank);
  turn.area = box.Empty() ? PixelRect{} : PixelRect{box.left, box.top, box.right, box.bottom};
  turn.samples.SetSize(turn.area.Width(), turn.area.Height());
  PaintRotLayer(layer, blank);
  // Merged onto transparent black, every sample lands unchanged.
  for (int y = turn.area.top; y < turn.area.bottom; ++y) {
    uint32_t* painted = blank.Row(y) + turn.area.left;
    std::copy(painted, painted + turn.area.Width(), turn.samples.Row(y - turn.area.top));
    std::fill(painted, painted + turn.area.Width(), 0u);
  }
  turn.painted = true;
  turn.angle = layer.angle;
  turn.bitmapCenter = layer.bitmapCenter;
  turn.position = layer.position;
}

bool HandInk::Update(const TRotLayer& layer, TBitmap32& blank) {
  if (current_ && Same(*current_, layer)) return false;
  Turn& turn = turns_[TurnFor(layer)];
  current_ = &turn;
  if (!Same(turn, layer)) Paint(turn, layer, blank);
  return true;
}

void HandInk::Forget() {
  // The turns' buffers stay for the next skin's hands: only what they hold goes.
  for (Turn& turn : turns_) turn.painted = false;
  counted_ = false;
  current_ = nullptr;
}

void HandInk::MergeInto(TBitmap32& target, const PixelRect& clip) const {
  if (!current_) return;
  const Turn& t = *current_;
  const PixelRect r = Intersection(Intersection(clip, t.area), WholeOf(target));
  for (int y = r.top; y < r.bottom; ++y) {
    MergeSamples(target.Row(y) + r.left, t.samples.Row(y - t.area.top) + (r.left - t.area.left), r.Width());
  }
}
