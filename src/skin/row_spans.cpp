#include "skin/row_spans.h"

#include <algorithm>

void RowSpans::Reset(int width, int height) {
  width_ = width;
  rows_.assign(static_cast<size_t>(std::max(height, 0)), Span{});
}

void RowSpans::Add(int y, int left, int right) {
  left = std::max(left, 0);
  right = std::min(right, width_);
  if (y < 0 || y >= Height() || right <= left) return;
  Span& span = rows_[static_cast<size_t>(y)];
  span = span.Empty() ? Span{left, right} : Span{std::min(span.left, left), std::max(span.right, right)};
}

void RowSpans::Add(const PixelRect& r) {
  for (int y = std::max(r.top, 0); y < std::min(r.bottom, Height()); ++y) Add(y, r.left, r.right);
}
