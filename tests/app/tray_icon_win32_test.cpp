#include "app/tray_icon_win32.h"

#include <gtest/gtest.h>

namespace {

struct Counts {
  int clicks = 0, popups = 0, defaults = 0;
};

struct TrayIconWin32 : ::testing::Test {
  TrayIconWin32() {
    TTrayIcon::Events e;
    e.click = [this] { ++n.clicks; };
    e.popup = [this] { ++n.popups; };
    e.doubleClick = [this] { ++n.defaults; };
    tray = std::make_unique<TTrayIcon>(GetModuleHandleA(nullptr), LoadIcon(nullptr, IDI_APPLICATION), "Ormel Clock",
                                       std::move(e));
  }
  // The shell's callback for a mouse message over the icon.
  void Shell(std::initializer_list<UINT> mouse) {
    for (UINT m : mouse) SendMessageA(tray->Window(), TTrayIcon::kCallbackMessage, 0, m);
  }
  Counts n;
  std::unique_ptr<TTrayIcon> tray;
};

TEST_F(TrayIconWin32, ALeftClickShowsOrHidesAndARightClickOpensTheMenuOnly) {
  Shell({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP});
  EXPECT_EQ(n.clicks, 1);
  Shell({WM_RBUTTONDOWN, WM_RBUTTONUP});
  EXPECT_EQ(n.popups, 1);
  EXPECT_EQ(n.clicks, 1) << "the right click does not show or hide the clock";
  Shell({WM_LBUTTONUP, WM_RBUTTONUP});
  EXPECT_EQ(n.clicks + n.popups, 2) << "a release without its press raises nothing";
  Shell({WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, WM_RBUTTONDBLCLK});
  EXPECT_EQ(n.clicks + n.popups + n.defaults, 2) << "the middle button does nothing";
}

TEST_F(TrayIconWin32, ADoubleClickTogglesOnceAndRunsTheDefaultItemOnce) {
  Shell({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
  EXPECT_EQ(n.clicks, 1);
  EXPECT_EQ(n.defaults, 1);
}

}  // namespace
