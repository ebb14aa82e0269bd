#include "skin/layered_presenter_win32.h"

#include <cstring>

LayeredPresenter::LayeredPresenter() : memoryDc_(CreateCompatibleDC(screen_.get())) {}

// The section must leave the DC before either is freed.
LayeredPresenter::~LayeredPresenter() {
  if (previous_) SelectObject(memoryDc_.get(), previous_);
}

void LayeredPresenter::EnsureSize(int width, int height) {
  if (width == width_ && height == height_ && section_) return;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down rows, as TBitmap32 keeps them
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  BitmapHandle section(CreateDIBSection(memoryDc_.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section) return;
  HGDIOBJ old = SelectObject(memoryDc_.get(), section.get());
  if (!previous_) previous_ = old;
  section_ = std::move(section);
  bits_ = static_cast<uint32_t*>(bits);
  width_ = width;
  height_ = height;
}

bool LayeredPresenter::Present(HWND window, POINT topLeft, const TBitmap32& image, BLENDFUNCTION blend) {
  if (image.Empty()) return false;
  EnsureSize(image.width, image.height);
  if (!bits_) return false;
  GdiFlush();
  std::memcpy(bits_, image.pixels.data(), image.pixels.size() * sizeof(uint32_t));
  SIZE size{image.width, image.height};
  POINT source{0, 0};
  return UpdateLayeredWindow(window, screen_.get(), &topLeft, &size, memoryDc_.get(), &source, 0, &blend,
                             ULW_ALPHA) != FALSE;
}
