#pragma once
#include <windows.h>

#include "app/handles_win32.h"
#include "image/bitmap32.h"

// Hands premultiplied frames to UpdateLayeredWindow through one DIB section.
class LayeredPresenter {
 public:
  LayeredPresenter();
  ~LayeredPresenter();
  LayeredPresenter(const LayeredPresenter&) = delete;
  LayeredPresenter& operator=(const LayeredPresenter&) = delete;
  // Copies the bitmap into the section (re-created only when the size changes) and
  // updates the window at `topLeft` with the blend's constant alpha.
  bool Present(HWND window, POINT topLeft, const TBitmap32& image, BLENDFUNCTION blend);

 private:
  void EnsureSize(int width, int height);

  ScreenDc screen_;
  DcHandle memoryDc_;
  BitmapHandle section_;
  HGDIOBJ previous_ = nullptr;
  uint32_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;
};
