#include "skin/layered_presenter_win32.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/filled_bitmap.h"

namespace {

// Makes real sections until told that GDI is short, and remembers each one's pixels.
struct ShortOfGdi {
  struct Made {
    uint32_t* bits;
    int width, height;
  };
  bool refuse = false;
  std::vector<Made> made;

  LayeredPresenter::SectionMaker Maker() {
    return [this](HDC dc, int w, int h, uint32_t*& bits) {
      bits = nullptr;
      if (refuse) return BitmapHandle();
      BitmapHandle section = CreateTopDownDib(dc, w, h, bits);
      made.push_back({bits, w, h});
      return section;
    };
  }
};

const BLENDFUNCTION kBlend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};

}  // namespace

// A switch to a larger skin while GDI is short: the larger frame must not be copied into
// the smaller section the presenter still holds.
TEST(LayeredPresenter, AFrameLargerThanTheSectionGDIWouldMakeIsNotCopied) {
  ShortOfGdi gdi;
  LayeredPresenter presenter(gdi.Maker());
  presenter.Present(nullptr, POINT{0, 0}, Filled(16, 16, 0xFF112233u), kBlend);
  ASSERT_EQ(gdi.made.size(), 1u);
  const ShortOfGdi::Made small = gdi.made[0];
  EXPECT_EQ(small.bits[16 * 16 - 1], 0xFF112233u);

  gdi.refuse = true;
  EXPECT_FALSE(presenter.Reserve(64, 64));
  EXPECT_FALSE(presenter.Present(nullptr, POINT{0, 0}, Filled(64, 64, 0xFFAABBCCu), kBlend));
  EXPECT_EQ(small.bits[0], 0xFF112233u) << "the larger frame was copied into the small section";
  EXPECT_EQ(small.bits[16 * 16 - 1], 0xFF112233u);

  // The section it kept still presents frames of its own size.
  EXPECT_TRUE(presenter.Reserve(16, 16));
  presenter.Present(nullptr, POINT{0, 0}, Filled(16, 16, 0xFF445566u), kBlend);
  EXPECT_EQ(small.bits[0], 0xFF445566u);
  EXPECT_EQ(gdi.made.size(), 1u);

  gdi.refuse = false;
  EXPECT_TRUE(presenter.Reserve(64, 64));
  ASSERT_EQ(gdi.made.size(), 2u);
  EXPECT_EQ(gdi.made[1].width, 64);
}

TEST(LayeredPresenter, AnEmptyFrameIsNeverPresented) {
  ShortOfGdi gdi;
  LayeredPresenter presenter(gdi.Maker());
  EXPECT_FALSE(presenter.Present(nullptr, POINT{0, 0}, TBitmap32(), kBlend));
  EXPECT_TRUE(gdi.made.empty());
}

namespace {

constexpr int kW = 48, kH = 32;

// A layered window of its own, out of the way of the other tests' windows, and what the
// screen shows of it.
class ShownWindow {
 public:
  ShownWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrmelPresenterTest";
    RegisterClassA(&wc);
    hwnd = CreateWindowExA(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP, place.x,
                           place.y, kW, kH, nullptr, nullptr, wc.hInstance, nullptr);
  }
  ~ShownWindow() { DestroyWindow(hwnd); }

  // The screen under the window, once it shows `expected` (or after a second).
  TBitmap32 ScreenWhenIt(const TBitmap32& expected) {
    TBitmap32 seen;
    for (int i = 0; i < 50; ++i) {
      seen = Screen();
      if (seen.pixels == expected.pixels) break;
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      Sleep(20);
    }
    return seen;
  }

  HWND hwnd;
  POINT place{1180, 900};

 private:
  TBitmap32 Screen() const {
    TBitmap32 out;
    out.SetSize(kW, kH);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    uint32_t* bits = nullptr;
    BitmapHandle section = CreateTopDownDib(memory, kW, kH, bits);
    HGDIOBJ old = SelectObject(memory, section.get());
    BitBlt(memory, 0, 0, kW, kH, screen, place.x, place.y, SRCCOPY);
    GdiFlush();
    // The screen has no alpha of its own; the frames here are opaque.
    for (size_t i = 0; i < out.pixels.size(); ++i) out.pixels[i] = bits[i] | 0xFF000000u;
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return out;
  }
};

// frame with the rectangle r filled with `pixel`.
TBitmap32 With(TBitmap32 frame, const PixelRect& r, uint32_t pixel) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) frame.At(x, y) = pixel;
  return frame;
}

}  // namespace

// The window keeps what it showed outside the changed part: only that part goes to the
// screen, so a part reported too small would leave stale pixels, and a new second's frame
// costs only the rectangle the hands and labels touch.
TEST(LayeredPresenter, AFrameUpdatesOnlyItsChangedPartOnScreen) {
  ShownWindow w;
  ShowWindow(w.hwnd, SW_SHOWNOACTIVATE);
  LayeredPresenter presenter;
  const TBitmap32 first = Filled(kW, kH, 0xFF204060u);
  ASSERT_TRUE(presenter.PresentFrame(w.hwnd, w.place, first, kBlend, WholeOf(first)));
  EXPECT_EQ(w.ScreenWhenIt(first).pixels, first.pixels);

  const PixelRect hands{10, 4, 30, 20};
  const TBitmap32 next = With(first, hands, 0xFFC0A000u);
  ASSERT_TRUE(presenter.PresentFrame(w.hwnd, w.place, next, kBlend, hands));
  EXPECT_EQ(w.ScreenWhenIt(next).pixels, next.pixels);

  // A change left out of the changed part stays off the screen.
  const TBitmap32 hidden = With(With(next, {0, 0, 4, 4}, 0xFFFFFFFFu), {40, 24, 44, 28}, 0xFF00FF00u);
  ASSERT_TRUE(presenter.PresentFrame(w.hwnd, w.place, hidden, kBlend, {40, 24, 44, 28}));
  EXPECT_EQ(w.ScreenWhenIt(With(next, {40, 24, 44, 28}, 0xFF00FF00u)).pixels,
            With(next, {40, 24, 44, 28}, 0xFF00FF00u).pixels);
}

// After the fade's images, or where the window moved, the window shows the whole frame
// whatever part changed since the last one.
TEST(LayeredPresenter, AFrameAfterOtherImagesOrAMoveGoesWhole) {
  ShownWindow w;
  ShowWindow(w.hwnd, SW_SHOWNOACTIVATE);
  LayeredPresenter presenter;
  const TBitmap32 frame = Filled(kW, kH, 0xFF306090u);
  ASSERT_TRUE(presenter.PresentFrame(w.hwnd, w.place, frame, kBlend, WholeOf(frame)));
  ASSERT_TRUE(presenter.Present(w.hwnd, w.place, Filled(kW, kH, 0xFF000000u), kBlend));  // a fade step
  const TBitmap32 again = With(frame, {0, 0, 2, 2}, 0xFFFFFFFFu);
  ASSERT_TRUE(presenter.PresentFrame(w.hwnd, w.place, again, kBlend, {0, 0, 2, 2}));
  EXPECT_EQ(w.ScreenWhenIt(again).pixels, again.pixels);

  w.place.x -= 100;
  const TBitmap32 moved = With(again, {46, 30, 48, 32}, 0xFF808080u);
  ASSERT_TRUE(presenter.PresentFrame(w.hwnd, w.place, moved, kBlend, {46, 30, 48, 32}));
  EXPECT_EQ(w.ScreenWhenIt(moved).pixels, moved.pixels);
}
