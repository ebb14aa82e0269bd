#pragma once
#include <vector>

#include "image/pixel_rect.h"

// Of each row of a frame, the one run [left, right) whose pixels may have changed: the joined
// runs of everything that changed on that row. One run a row keeps the bookkeeping cheap; the
// pixels between two changes on one row are drawn again for nothing, and come out as they were.
class RowSpans {
 public:
  struct Span {
    int left = 0, right = 0;
    bool Empty() const { return right <= left; }
    bool operator==(const Span& o) const { return left == o.left && right == o.right; }
  };

  // No row changed, on a frame of this size. Allocates only when the frame grew.
  void Reset(int width, int height);
  // Pixels [left, right) of row y changed; what lies off the frame is dropped.
  void Add(int y, int left, int right);
  void Add(const PixelRect& r);
  int Height() const { return static_cast<int>(rows_.size()); }
  const Span& Row(int y) const { return rows_[static_cast<size_t>(y)]; }
  // Calls `redraw` with rectangles that together cover every run once: rows in a row with the
  // same run go together.
  template <typename Redraw>
  void ForEachBand(Redraw&& redraw) const {
    for (int y = 0; y < Height();) {
      const Span& span = Row(y);
      int end = y + 1;
      while (end < Height() && Row(end) == span) ++end;
      if (!span.Empty()) redraw(PixelRect{span.left, y, span.right, end});
      y = end;
    }
  }

 private:
  int width_ = 0;
  std::vector<Span> rows_;
};
