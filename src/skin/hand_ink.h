#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/bitmap32.h"
#include "image/pixel_rect.h"
#include "skin/rot_layer.h"
#include "skin/rot_layer_paint.h"
#include "skin/row_spans.h"

// What painting a hand needs for a moment, shared by the hands: the pixels of its box
// (transparent black between paints; grown to the largest box painted, and left so) and
// the runs the paint reached of each row.
struct HandScratch {
  std::vector<uint32_t> pixels;
  std::vector<PaintedRun> reached;
};

// What one hand layer paints at an angle, kept for the angles it comes back to: the samples
// PaintRotLayer merges, so that merging them onto an overlay gives exactly its pixels. Of
// each row only the run from its first to its last painted pixel is kept: a thin hand turned
// fills little of its bounding box.
// The second hand shows one of sixty angles; the others move on and keep one.
class HandInk {
 public:
  // What the kept angles of one hand take together at most, unless a single angle takes more.
  static constexpr size_t kKeptBytes = 2u << 20;

  // Keeps up to `turns` angles 6 degrees apart, as the second hand's are; fewer when a
  // skin's hand is so large that they would not fit in kKeptBytes.
  explicit HandInk(int turns) : turns_(static_cast<size_t>(turns)) {}

  // Brings the samples to the layer's angle on `face` (only its size counts); true when they
  // changed.
  bool Update(const TRotLayer& layer, const TBitmap32& face, HandScratch& scratch);
  // Whether Update would change the samples: the layer is not at the angle they show.
  bool Turns(const TRotLayer& layer) const { return !current_ || !Same(*current_, layer); }
  // Every kept angle goes: a new skin brings new hands.
  void Forget();

  PixelRect Area() const { return current_ ? current_->area : PixelRect{}; }
  // Adds each row's painted run: outside them the samples leave the overlay as it is.
  void AddRunsTo(RowSpans& spans) const;
  // Merges the samples onto `target` inside `clip`, as PaintRotLayer does.
  void MergeInto(TBitmap32& target, const PixelRect& clip) const;
  // The memory the kept angles hold.
  size_t KeptBytes() const;

 private:
  // One row's painted run: it starts at x = left and its pixels are ink[begin] up to the
  // next row's begin.
  struct RowRun {
    int left = 0;
    uint32_t begin = 0;  // a face has far fewer pixels than this counts
  };
  struct Turn {
    bool painted = false;
    float angle = 0;
    FloatPoint bitmapCenter, position;
    PixelRect area;
    std::vector<RowRun> rows;   // one per row of the area, then one whose begin ends the ink
    std::vector<uint32_t> ink;  // the runs, row after row; 0 where the hand leaves the overlay as it is
    size_t Bytes() const { return rows.capacity() * sizeof(RowRun) + ink.capacity() * sizeof(uint32_t); }
  };
  static bool Same(const Turn& t, const TRotLayer& layer);
  // Where the run of row y (of the frame) ends.
  static int RunEnd(const Turn& t, int y);
  size_t TurnFor(const TRotLayer& layer) const;
  void Paint(size_t index, const TRotLayer& layer, const TBitmap32& face, HandScratch& scratch);
  // Frees the angles shown again last until turn `index`, holding `inkSize` pixels, fits.
  void MakeRoom(size_t index, size_t inkSize);

  std::vector<Turn> turns_;  // never resized: current_ points into it
  const Turn* current_ = nullptr;
};
