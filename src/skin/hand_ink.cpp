#include "skin/hand_ink.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "image/merge.h"
#include "skin/rot_layer_paint.h"

namespace {

constexpr float kDegreesPerTurn = 6;

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

bool HandInk::Same(const Turn& t, const TRotLayer& layer) {
  // Bit for bit: -0 and 0 turn the same, but nothing need be assumed about that.
  return t.painted && SameBits(t.angle, layer.angle) && SameBits(t.bitmapCenter.x, layer.bitmapCenter.x) &&
         SameBits(t.bitmapCenter.y, layer.bitmapCenter.y) && SameBits(t.position.x, layer.position.x) &&
         SameBits(t.position.y, layer.position.y);
}

int HandInk::RunEnd(const Turn& t, int y) {
  const size_t row = static_cast<size_t>(y - t.area.top);
  return t.rows[row].left + static_cast<int>(t.rows[row + 1].begin - t.rows[row].begin);
}

size_t HandInk::TurnFor(const TRotLayer& layer) const {
  const size_t n = turns_.size();
  if (n == 1 || !std::isfinite(layer.angle)) return 0;
  const long step = std::lround(std::fmod(static_cast<double>(-layer.angle) / kDegreesPerTurn, double(n)));
  return static_cast<size_t>((step % static_cast<long>(n) + static_cast<long>(n)) % static_cast<long>(n));
}

void HandInk::MakeRoom(size_t index, size_t inkSize) {
  Turn& turn = turns_[index];
  const size_t n = turns_.size();
  // The hand turns forward: the angle just left is the one shown again last.
  for (size_t back = 1; back < n; ++back) {
    size_t kept = turn.rows.capacity() * sizeof(RowRun) + std::max(turn.ink.capacity(), inkSize) * sizeof(uint32_t);
    for (size_t i = 0; i < n; ++i) kept += i == index ? 0 : turns_[i].Bytes();
    if (kept <= kKeptBytes) return;
    Turn& last = turns_[(index + n - back) % n];
    // Memory large enough for this angle serves it instead of being freed.
    if (turn.ink.capacity() < inkSize && last.ink.capacity() >= inkSize) std::swap(turn.ink, last.ink);
    last = Turn{};
  }
}

void HandInk::Paint(size_t index, const TRotLayer& layer, const TBitmap32& face, HandScratch& scratch) {
  Turn& turn = turns_[index];
  const PixelBox box = PaintBox(layer, face);
  turn.area = box.Empty() ? PixelRect{} : PixelRect{box.left, box.top, box.right, box.bottom};
  const int width = turn.area.Width();
  const size_t boxPixels = static_cast<size_t>(width) * turn.area.Height();
  std::vector<uint32_t>& pixels = scratch.pixels;
  if (pixels.size() < boxPixels) pixels.resize(boxPixels, 0u);
  if (scratch.reached.size() < static_cast<size_t>(turn.area.Height())) scratch.reached.resize(turn.area.Height());
  PaintRotLayerInBox(layer, box, pixels.data(), scratch.reached.data());
  // Painted onto transparent black, every sample lands unchanged: the runs are what it holds.
  // Only the runs the paint reached are read, the rest of the box stays untouched.
  turn.rows.clear();
  turn.rows.resize(static_cast<size_t>(turn.area.Height()) + 1);
  size_t inkSize = 0;
  for (int y = 0; y < turn.area.Height(); ++y) {
    const uint32_t* row = pixels.data() + static_cast<size_t>(y) * width;
    const PaintedRun reached = scratch.reached[static_cast<size_t>(y)];
    const uint32_t *first = row + std::max(reached.first, 0), *end = row + std::max(reached.first, reached.last);
    first = std::find_if(first, end, [](uint32_t p) { return p != 0; });
    while (end > first && end[-1] == 0) --end;
    turn.rows[y] = {turn.area.left + static_cast<int>(first - row), static_cast<uint32_t>(inkSize)};
    inkSize += static_cast<size_t>(end - first);
  }
  turn.rows.back().begin = static_cast<uint32_t>(inkSize);
  MakeRoom(index, inkSize);
  turn.ink.clear();
  turn.ink.resize(inkSize);
  for (int y = 0; y < turn.area.Height(); ++y) {
    const RowRun& run = turn.rows[y];
    const size_t runWidth = turn.rows[y + 1].begin - run.begin;
    uint32_t* painted = pixels.data() + static_cast<size_t>(y) * width + (run.left - turn.area.left);
    std::copy(painted, painted + runWidth, turn.ink.begin() + static_cast<std::ptrdiff_t>(run.begin));
    std::fill(painted, painted + runWidth, 0u);
  }
  turn.painted = true;
  turn.angle = layer.angle;
  turn.bitmapCenter = layer.bitmapCenter;
  turn.position = layer.position;
}

bool HandInk::Update(const TRotLayer& layer, const TBitmap32& face, HandScratch& scratch) {
  if (!Turns(layer)) return false;
  const size_t index = TurnFor(layer);
  if (!Same(turns_[index], layer)) Paint(index, layer, face, scratch);
  current_ = &turns_[index];
  return true;
}

void HandInk::Forget() {
  // The turns' buffers stay for the next skin's hands: only what they hold goes.
  for (Turn& turn : turns_) turn.painted = false;
  current_ = nullptr;
}

size_t HandInk::KeptBytes() const {
  size_t bytes = 0;
  for (const Turn& turn : turns_) bytes += turn.Bytes();
  return bytes;
}

void HandInk::AddRunsTo(RowSpans& spans) const {
  if (!current_) return;
  const Turn& t = *current_;
  for (int y = t.area.top; y < t.area.bottom; ++y) spans.Add(y, t.rows[y - t.area.top].left, RunEnd(t, y));
}

void HandInk::MergeInto(TBitmap32& target, const PixelRect& clip) const {
  if (!current_) return;
  const Turn& t = *current_;
  const PixelRect r = Intersection(Intersection(clip, t.area), WholeOf(target));
  for (int y = r.top; y < r.bottom; ++y) {
    const RowRun& run = t.rows[y - t.area.top];
    const int left = std::max(r.left, run.left), right = std::min(r.right, RunEnd(t, y));
    if (left < right)
      MergeSamples(target.Row(y) + left, t.ink.data() + run.begin + (left - run.left), right - left);
  }
}
