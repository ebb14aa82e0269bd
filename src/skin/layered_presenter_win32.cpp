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
  width_ = width;
  height_ = height;
  return true;
}

bool LayeredPresenter::Present(HWND window, POINT topLeft, const TBitmap32& image, BLENDFUNCTION blend) {
  if (image.Empty() || !Reserve(image.width, image.height)) return false;
  GdiFlush();
  std::memcpy(bits_, image.pixels.data(), image.pixels.size() * sizeof(uint32_t));
  SIZE size{image.width, image.height};
  POINT source{0, 0};
  return UpdateLayeredWindow(window, screen_.get(), &topLeft, &size, memoryDc_.get(), &source, 0, &blend,
                             ULW_ALPHA) != FALSE;
}
