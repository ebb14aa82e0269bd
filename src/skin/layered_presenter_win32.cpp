#include "skin/layered_presenter_win32.h"

#include <cstring>
#include <utility>

LayeredPresenter::LayeredPresenter(SectionMaker makeSection)
    : makeSection_(std::move(makeSection)), memoryDc_(CreateCompatibleDC(screen_.get())) {}

// The section must leave the DC before either is freed.
LayeredPresenter::~LayeredPresenter() {
  if (previous_) SelectObject(memoryDc_.get(), previous_);
}

bool LayeredPresenter::Reserve(int width, int height) {
  if (width == width_ && height == height_ && section_) return true;
  uint32_t* bits = nullptr;
  BitmapHandle section = makeSection_(memoryDc_.get(), width, height, bits);
  if (!section || !bits) return false;
  HGDIOBJ old = SelectObject(memoryDc_.get(), section.get());
  if (!previous_) previous_ = old;
  section_ = std::move(section);
  bits_ = bits;
  showsFrame_ = false;
  width_ = width;
  height_ = height;
  return true;
}

bool LayeredPresenter::Present(HWND window, POINT topLeft, const TBitmap32& image, BLENDFUNCTION blend) {
  showsFrame_ = false;
  return Update(window, topLeft, image, blend, WholeOf(image));
}

bool LayeredPresenter::PresentFrame(HWND window, POINT topLeft, const TBitmap32& frame, BLENDFUNCTION blend,
                                    const PixelRect& changed) {
  const bool shown = showsFrame_ && frame.width == width_ && frame.height == height_ && topLeft.x == framePlace_.x &&
                     topLeft.y == framePlace_.y;
  const PixelRect dirty = shown ? Intersection(changed, WholeOf(frame)) : WholeOf(frame);
  if (shown && dirty.Empty()) return true;
  showsFrame_ = Update(window, topLeft, frame, blend, dirty);
  framePlace_ = topLeft;
  return showsFrame_;
}

bool LayeredPresenter::Update(HWND window, POINT topLeft, const TBitmap32& image, BLENDFUNCTION blend,
                              const PixelRect& dirty) {
  if (image.Empty() || !Reserve(image.width, image.height)) return false;
  GdiFlush();
  for (int y = dirty.top; y < dirty.bottom; ++y) {
    const uint32_t* row = image.Row(y) + dirty.left;
    std::memcpy(bits_ + static_cast<size_t>(y) * width_ + dirty.left, row, dirty.Width() * sizeof(uint32_t));
  }
  SIZE size{image.width, image.height};
  POINT source{0, 0};
  const RECT dirtyRect{dirty.left, dirty.top, dirty.right, dirty.bottom};
  UPDATELAYEREDWINDOWINFO info{sizeof info, screen_.get(), &topLeft, &size, memoryDc_.get(), &source, 0, &blend,
                               ULW_ALPHA, &dirtyRect};
  return UpdateLayeredWindowIndirect(window, &info) != FALSE;
}
